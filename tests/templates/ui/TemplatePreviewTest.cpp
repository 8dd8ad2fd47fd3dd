// A keyboard template drawn as the program's windows show it.
#include "templates/ui/TemplatePreview.h"

#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "course/Course.h"

namespace zq {
namespace {

const std::string kEnglish = Course(ZQ_PROGRAM_DIR "/", "English").LayoutPath();

TEST(TemplatePreview, ShowsTheKeyboardWithTheHandsPointingAtTheKeysFinger) {
    SetSystemCodePage(1252);
    const TemplatePreview unlit = PreviewTemplate(kEnglish, std::nullopt);
    EXPECT_TRUE(unlit.readWhole);
    EXPECT_FALSE(unlit.finger);
    EXPECT_GT(unlit.picture.width(), 600);

    const TemplatePreview a = PreviewTemplate(kEnglish, static_cast<unsigned char>('a'));
    EXPECT_EQ(a.finger, 0);  // left little finger
    EXPECT_EQ(a.picture.size(), unlit.picture.size());
    EXPECT_NE(a.picture, unlit.picture);  // the lit key and the pointing finger
    EXPECT_EQ(PreviewTemplate(kEnglish, static_cast<unsigned char>('j')).finger, 6);    // right index
    EXPECT_EQ(PreviewTemplate(kEnglish, static_cast<unsigned char>(0xE9)).finger, -1);  // no key for e acute
}

TEST(TemplatePreview, ATemplateThatCannotBeReadIsSaidToBeSo) {
    const TemplatePreview missing =
        PreviewTemplate("/nonexistent/layout.zqt", static_cast<unsigned char>('a'));
    EXPECT_FALSE(missing.readWhole);
    EXPECT_EQ(missing.finger, -1);
}

}  // namespace
}  // namespace zq
