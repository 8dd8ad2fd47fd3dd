// Keyboard templates as a user may be handed them: the archive is read into
// the store, which never raises, and the on-screen keyboard and both hands
// are built from whatever the store then holds, as the program does. An
// input is an archive ("PK...") or its three entries (TemplateEntries.h),
// which are put into an archive first.
#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "TemplateEntries.h"
#include "base/LibraryError.h"
#include "keyboard/FingerSettings.h"
#include "keyboard/Hand.h"
#include "keyboard/OnScreenKeyboard.h"
#include "keyboard/TDataMod.h"
#include "support/TempFolder.h"

namespace {

struct NoKeyboardWindow : zq::KeyboardView {
    void SetClientSize(int, int) override {}
    void StartBlinkTimer() override {}
    void StopBlinkTimer() override {}
};

struct NoHandWindow : zq::HandView {
    void SetClientHeight(int) override {}
    void StartBlinkTimer() override {}
    void StopBlinkTimer() override {}
    void DrawBar(int, int, int, zq::TColor) override {}
    void DrawDot(int, int, zq::TColor) override {}
};

// The template file of this process, in a temporary folder (under $TMPDIR)
// that goes when the process ends.
const std::string& TemplatePath() {
    static const zq::test::TempFolder folder;
    static const std::string path = folder.File("fuzz.zqt");
    return path;
}

// Writes the entries of the input, in the form of TemplateEntries.h, into a
// stored (uncompressed) archive; a missing part is a missing entry.
void WriteArchive(std::string_view input) {
    zip_t* archive = zip_open(TemplatePath().c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    if (!archive) std::abort();
    for (const char* name : {"key.cds", "char.cds", "readme"}) {
        const std::size_t end = input.find(zq::fuzz::kEntrySeparator);
        if (end == std::string_view::npos) break;
        zip_source_t* source = zip_source_buffer(archive, input.data(), end, 0);
        const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE);
        if (index < 0) std::abort();
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        input.remove_prefix(end + zq::fuzz::kEntrySeparator.size());
    }
    if (zip_close(archive) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.starts_with("PK")) {
        std::ofstream(TemplatePath(), std::ios::binary | std::ios::trunc)
            .write(input.data(), static_cast<std::streamsize>(input.size()));
    } else {
        WriteArchive(input);
    }
    zq::TDataMod store;
    NoKeyboardWindow keyboardWindow;
    zq::OnScreenKeyboard keyboard(store, keyboardWindow, nullptr);
    keyboard.BlinkMode = size % 2 == 0;
    try {
        keyboard.LoadTemplate(TemplatePath());  // reads the store, then builds the keys
        for (int character = 0; character < 256; ++character) {
            const int finger = keyboard.HighlightKey(static_cast<unsigned char>(character));
            if (finger != -1 && !keyboard.CurrentKey()) __builtin_trap();
            keyboard.BlinkTick();
        }
    } catch (const zq::LibraryError&) {
        // A table without a field the keys need, a picture that is not a
        // bitmap, or a table left unusable: reported to the user as errors.
    }
    for (const bool isLeft : {true, false}) {
        NoHandWindow handWindow;
        zq::Hand hand(handWindow);
        hand.SetLeftHand(isLeft);
        hand.BlinkMode = !keyboard.BlinkMode;
        hand.BuildFingers(zq::FingerSettingsOf(store));
        for (int slot = 0; slot <= 6; ++slot) {
            hand.PointFinger(slot);
            hand.BlinkTick();
            hand.PaintFingers();
        }
        hand.ClearFinger();
    }
    return 0;
}
