// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/modal.h"

namespace telvar {

namespace {

ModalHook g_modal_hook;

}  // namespace

void SetModalHook(ModalHook hook)
{
    g_modal_hook = std::move(hook);
}

namespace detail {

ModalAnswer ask_operator(const ModalRequest& request, const std::function<ModalAnswer()>& show)
{
    return g_modal_hook ? g_modal_hook(request) : show();
}

}  // namespace detail

}  // namespace telvar
