// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/document_module.h"

#include <dlfcn.h>

#include <cstddef>
#include <filesystem>
#include <system_error>

namespace telvar {

namespace {

using InitEntry = int (*)(int argc, char** argv);
using Taker = void (*)(const char* bytes, std::size_t count, void* to);
using PdfEntry = int (*)(const char* html, std::size_t size, Taker take, void* to);

struct Module {
    InitEntry init = nullptr;
    PdfEntry pdf = nullptr;
    std::string failure;
};

Module g_module;

// Beside the program, as in the build tree; else where the package puts it.
std::filesystem::path module_path()
{
    std::error_code error;
    const std::filesystem::path program_dir = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path beside = program_dir / TELVAR_DOCUMENT_MODULE;
    if (std::filesystem::exists(beside, error))
        return beside;
    return (program_dir / TELVAR_DOCUMENT_MODULE_FROM_PROGRAM / TELVAR_DOCUMENT_MODULE).lexically_normal();
}

Module load()
{
    Module module;
    const std::filesystem::path path = module_path();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        module.failure = why ? why : "cannot load " + path.string();
        return module;
    }
    module.init = reinterpret_cast<InitEntry>(dlsym(handle, "telvar_init_document_console"));
    module.pdf = reinterpret_cast<PdfEntry>(dlsym(handle, "telvar_document_pdf"));
    if (!module.init || !module.pdf)
        module.failure = path.string() + " is not the tool's document module";
    return module;
}

}  // namespace

int StartDocumentModule(int argc, char** argv)
{
    g_module = load();
    return g_module.init ? g_module.init(argc, argv) : 0;
}

std::string ModuleDocumentPdf(const std::string& html)
{
    std::string pdf;
    if (!g_module.pdf)
        return pdf;
    const Taker take = [](const char* bytes, std::size_t count, void* to) {
        static_cast<std::string*>(to)->assign(bytes, count);
    };
    g_module.pdf(html.data(), html.size(), take, &pdf);
    return pdf;
}

const std::string& DocumentModuleFailure()
{
    return g_module.failure;
}

}  // namespace telvar
