// SPDX-License-Identifier: GPL-3.0-or-later
// The banner at the top of the main window in each branding variant, and
// the variant that start-up draws.
#include "support/link_fixture.h"

#include "app/banner.h"
#include "app/startup.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QApplication>
#include <QDir>
#include <QAccessible>
#include <QLabel>
#include <QPixmap>
#include <QSet>
#include <QTemporaryDir>

#include <ostream>
#include <string>
#include <vector>

namespace telvar::test {
namespace {

constexpr int WHITE = 0xFFFFFF;
constexpr int GREY = 0x808080;
constexpr int BLUE = 0x0080FF;
constexpr int SENTINEL = 0x123456;

struct Point {
    int left;
    int top;
    bool operator==(const Point&) const = default;
};

// One text the banner holds.
struct Text {
    std::string text;
    Point at;
    int size;
    int background;
    int color;
    bool bold;
    bool app_font;
};

struct PictureState {
    bool visible;
    Point at;
    qint64 image;
    bool operator==(const PictureState&) const = default;
};

class Banner : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        ASSERT_TRUE(cwd.isValid());
        old_cwd = QDir::currentPath();
        // Bitmap logos are looked for in the current directory: none here.
        QDir::setCurrent(cwd.path());
        main = PanelWidget(panelMAIN);
        // A known state, so that what a variant leaves alone shows.
        SetCtrlAttribute(panelMAIN, MAIN_BANNER, ATTR_FRAME_COLOR, SENTINEL);
        for (int picture : {MAIN_LOGO_A, MAIN_LOGO_B}) {
            SetCtrlAttribute(panelMAIN, picture, ATTR_LEFT, 1);
            SetCtrlAttribute(panelMAIN, picture, ATTR_TOP, 2);
            SetCtrlAttribute(panelMAIN, picture, ATTR_VISIBLE, 1);
        }
        before = labels();
    }
    void TearDown() override
    {
        QDir::setCurrent(old_cwd);
        LinkTest::TearDown();
    }

    QList<QLabel*> labels() const { return main->findChildren<QLabel*>(Qt::FindDirectChildrenOnly); }
    // The texts made since SetUp, in the order they were made.
    std::vector<Text> new_texts() const
    {
        const QSet<QLabel*> old(before.begin(), before.end());
        std::vector<Text> found;
        for (QLabel* label : labels()) {
            if (old.contains(label))
                continue;
            found.push_back({label->text().toStdString(), {label->x(), label->y()}, label->font().pixelSize(),
                             label->property("telvarBg").toInt(), label->property("telvarFg").toInt(),
                             label->font().bold(), label->font().family() == QApplication::font().family()});
        }
        return found;
    }
    static int banner_colour()
    {
        int v = -1;
        GetCtrlAttribute(panelMAIN, MAIN_BANNER, ATTR_FRAME_COLOR, &v);
        return v;
    }
    static PictureState picture(int control)
    {
        int visible = -1;
        int left = -1;
        int top = -1;
        GetCtrlAttribute(panelMAIN, control, ATTR_VISIBLE, &visible);
        GetCtrlAttribute(panelMAIN, control, ATTR_LEFT, &left);
        GetCtrlAttribute(panelMAIN, control, ATTR_TOP, &top);
        const auto* label = qobject_cast<QLabel*>(ControlWidget(panelMAIN, control));
        return {visible == 1, {left, top}, label->pixmap().cacheKey()};
    }

    QTemporaryDir cwd;
    QString old_cwd;
    QWidget* main = nullptr;
    QList<QLabel*> before;
};

TEST_F(Banner, StartUpDrawsVariantTwo)
{
    const PictureState logo_a = picture(MAIN_LOGO_A);
    InitVars();

    EXPECT_EQ(banner_colour(), BLUE);
    const PictureState a = picture(MAIN_LOGO_A);
    EXPECT_TRUE(a.visible);
    EXPECT_EQ(a.at, (Point{320, 7}));
    EXPECT_EQ(a.image, logo_a.image) << "the built-in picture stays";
    EXPECT_FALSE(qobject_cast<QLabel*>(ControlWidget(panelMAIN, MAIN_LOGO_A))->pixmap().isNull());
    EXPECT_FALSE(picture(MAIN_LOGO_B).visible);

    const std::vector<Text> texts = new_texts();
    ASSERT_EQ(texts.size(), 5u);
    const Point places[] = {{15, 7}, {15, 22}, {15, 37}, {340, 32}, {540, 36}};
    const int sizes[] = {11, 11, 11, 16, 11};
    for (std::size_t k = 0; k < texts.size(); ++k) {
        SCOPED_TRACE(texts[k].text);
        EXPECT_EQ(texts[k].at, places[k]);
        EXPECT_EQ(texts[k].size, sizes[k]);
        EXPECT_EQ(texts[k].background, BLUE);
        EXPECT_EQ(texts[k].color, WHITE);
        EXPECT_TRUE(texts[k].bold);
        EXPECT_TRUE(texts[k].app_font);
    }
    for (int line = 0; line < 3; ++line)
        EXPECT_FALSE(texts[line].text.empty()) << "supplier line " << line;
    EXPECT_EQ(texts[3].text, "TELVAR-K20-Dizer ");
    EXPECT_EQ(texts[4].text, "v3.0x");

    // A screen reader reads each banner text as its name and knows it as the banner.
    const QSet<QLabel*> old(before.begin(), before.end());
    for (QLabel* label : labels()) {
        if (old.contains(label))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), label->text());
        EXPECT_EQ(face->text(QAccessible::Description), QStringLiteral("Banner"));
    }
}

TEST_F(Banner, FiveAndNumbersOutsideTheTableDrawNothing)
{
    const PictureState a = picture(MAIN_LOGO_A);
    const PictureState b = picture(MAIN_LOGO_B);
    for (int variant : {5, -1, 8}) {
        SCOPED_TRACE(variant);
        ShowLogo(variant);
        EXPECT_EQ(labels().size(), before.size());
        EXPECT_EQ(banner_colour(), SENTINEL);
        EXPECT_EQ(picture(MAIN_LOGO_A), a);
        EXPECT_EQ(picture(MAIN_LOGO_B), b);
    }
}

enum class Logo { None, BuiltInA, BuiltInB, Bitmap };

struct Variant {
    int number;
    int banner;
    int text;
    Logo logo;
    Point logo_at;
    bool supplier_lines;
    Point name_at;
    Point version_at;
};

void PrintTo(const Variant& v, std::ostream* os)
{
    *os << "variant " << v.number;
}

class BannerVariant : public Banner, public ::testing::WithParamInterface<Variant> {};

TEST_P(BannerVariant, DrawsItsRowOfTheTable)
{
    const Variant& v = GetParam();
    const PictureState a = picture(MAIN_LOGO_A);
    const PictureState b = picture(MAIN_LOGO_B);
    ShowLogo(v.number);

    EXPECT_EQ(banner_colour(), v.banner);
    const std::vector<Text> texts = new_texts();
    ASSERT_EQ(texts.size(), v.supplier_lines ? 5u : 2u);
    for (const Text& t : texts) {
        EXPECT_EQ(t.background, v.banner) << t.text;
        EXPECT_EQ(t.color, v.text) << t.text;
    }
    if (v.supplier_lines) {
        for (int line = 0; line < 3; ++line)
            EXPECT_EQ(texts[line].at, (Point{15, 7 + 15 * line}));
    }
    const Text& name = texts[texts.size() - 2];
    const Text& version = texts.back();
    EXPECT_EQ(name.text, "TELVAR-K20-Dizer ");
    EXPECT_EQ(name.at, v.name_at);
    EXPECT_EQ(name.size, 16);
    EXPECT_EQ(version.text, "v3.0x");
    EXPECT_EQ(version.at, v.version_at);
    EXPECT_EQ(version.size, 11);

    switch (v.logo) {
    case Logo::None:
        EXPECT_FALSE(picture(MAIN_LOGO_A).visible);
        EXPECT_FALSE(picture(MAIN_LOGO_B).visible);
        break;
    case Logo::BuiltInA:
        EXPECT_EQ(picture(MAIN_LOGO_A), (PictureState{true, v.logo_at, a.image}));
        EXPECT_FALSE(picture(MAIN_LOGO_B).visible);
        break;
    case Logo::BuiltInB:
        EXPECT_EQ(picture(MAIN_LOGO_B), (PictureState{true, v.logo_at, b.image}));
        EXPECT_FALSE(picture(MAIN_LOGO_A).visible);
        break;
    case Logo::Bitmap:
        // The bitmap cannot be loaded here, so picture A keeps its image.
        EXPECT_EQ(picture(MAIN_LOGO_A), (PictureState{true, v.logo_at, a.image}));
        EXPECT_EQ(picture(MAIN_LOGO_B), b) << "picture B is left as it was";
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BannerVariant,
    ::testing::Values(Variant{0, WHITE, GREY, Logo::None, {}, false, {20, 20}, {220, 24}},
                      Variant{1, BLUE, WHITE, Logo::None, {}, false, {20, 20}, {220, 24}},
                      Variant{2, BLUE, WHITE, Logo::BuiltInA, {320, 7}, true, {340, 32}, {540, 36}},
                      Variant{3, WHITE, GREY, Logo::Bitmap, {470, 8}, false, {20, 20}, {220, 24}},
                      Variant{4, BLUE, WHITE, Logo::Bitmap, {470, 7}, true, {220, 32}, {380, 36}},
                      Variant{6, WHITE, GREY, Logo::Bitmap, {470, 7}, true, {220, 32}, {380, 36}},
                      Variant{7, WHITE, GREY, Logo::BuiltInB, {709, 7}, true, {340, 32}, {540, 36}}),
    [](const ::testing::TestParamInfo<Variant>& info) { return "Variant" + std::to_string(info.param.number); });

}  // namespace
}  // namespace telvar::test
