// zq-template build DESCRIPTION OUT.zqt: makes a keyboard template from its
// plain-text description, drawing every key picture from its label.

#include <zip.h>

#include <iostream>
#include <stdexcept>

#include "Commands.h"
#include "Description.h"
#include "KeyPicture.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/TextFile.h"
#include "keyboard/DatasetPacket.h"
#include "keyboard/TDataMod.h"

namespace zq {

namespace {

constexpr size_t kKeyNameWidth = 20;
constexpr size_t kHintWidth = 127;
constexpr size_t kCharNameWidth = 30;

// A fault of the description that stops the build.
struct BuildError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// UTF-8 text in the code page, refused when it is longer than the field.
std::string CodePageText(const std::string& utf8, size_t width, const std::string& what) {
    std::string text = FromUtf8(utf8);
    if (text.size() > width) {
        throw BuildError(what + " \"" + utf8 + "\" is longer than " + std::to_string(width) + " characters");
    }
    if (ToUtf8(text) != utf8) {
        std::cerr << "zq-template build: warning: " << what << " \"" << utf8
                  << "\" has characters that code page " << SystemCodePage() << " lacks\n";
    }
    return text;
}

std::vector<FieldValue> KeyRowOf(const DescribedKey& key) {
    std::string glyph;
    try {
        glyph = key.picture ? *key.picture : DrawKeyPicture(key.label, key.width, key.height);
    } catch (const std::invalid_argument& error) {
        throw BuildError("key \"" + key.name + "\": " + error.what());
    }
    return {CodePageText(key.name, kKeyNameWidth, "key name"),
            std::int64_t{key.keyValue},
            std::int64_t{key.kind},
            std::int64_t{key.kind2},
            std::int64_t{key.finger},
            std::move(glyph),
            std::int64_t{key.width},
            std::int64_t{key.height},
            std::int64_t{key.x},
            std::int64_t{key.y},
            CodePageText(key.hint, kHintWidth, "hint")};
}

std::vector<FieldValue> CharRowOf(const DescribedChar& row) {
    return {CodePageText(row.name, kCharNameWidth, "character name"),
            std::int64_t{row.code},
            std::int64_t{row.keyValue},
            row.shift,
            row.altGr,
            std::int64_t{row.accent}};
}

std::string ReadmeOf(const KeyboardDescription& description) {
    std::string readme;
    for (size_t i = 0; i < description.readme.size(); ++i) {
        if (i > 0) readme += "\r\n";
        readme += FromUtf8(description.readme[i]);
    }
    return readme;
}

// The labels and code page of the keys, one label token a line in the key
// table's stored order, for `dump`.
std::string LabelsOf(const KeyboardDescription& description) {
    std::string labels = "codepage " + std::to_string(description.codePage) + "\n";
    for (const auto& key : description.keys) labels += QuoteToken(key.label) + "\n";
    return labels;
}

struct Entry {
    const char* name;
    std::string bytes;
};

void WriteArchive(const std::string& path, const std::vector<Entry>& entries) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, error);
        const std::string message = "cannot write " + path + ": " + zip_error_strerror(&reason);
        zip_error_fini(&reason);
        throw BuildError(message);
    }
    for (const auto& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        if (!source || zip_file_add(archive, entry.name, source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw BuildError("cannot add " + std::string(entry.name) + " to " + path);
        }
    }
    if (zip_close(archive) != 0) {
        const std::string message = "cannot write " + path + ": " + zip_strerror(archive);
        zip_discard(archive);
        throw BuildError(message);
    }
}

void Build(const std::string& descriptionPath, const std::string& outputPath) {
    std::string text;
    try {
        text = ReadFileBytes(descriptionPath);
    } catch (const LibraryError& error) {
        throw BuildError(error.what());
    }
    const DescriptionResult parsed = ParseDescription(text);
    if (!parsed.description) {
        throw BuildError(descriptionPath + ":" + std::to_string(parsed.errorLine) + ": " + parsed.error);
    }
    const KeyboardDescription& description = *parsed.description;
    SetSystemCodePage(description.codePage);
    if (!IsKnownCodePage()) {
        throw BuildError("code page " + std::to_string(description.codePage) + " is not known to the system");
    }

    std::vector<std::vector<FieldValue>> keys;
    for (const auto& key : description.keys) keys.push_back(KeyRowOf(key));
    std::vector<std::vector<FieldValue>> chars;
    for (const auto& row : description.chars) chars.push_back(CharRowOf(row));

    WriteArchive(outputPath, {{"key.cds", WriteDatasetPacket(KeyTableFields(), keys)},
                              {"char.cds", WriteDatasetPacket(CharTableFields(), chars)},
                              {"readme", ReadmeOf(description)},
                              {kLabelsEntry, LabelsOf(description)}});
}

}  // namespace

int RunBuild(const std::vector<std::string>& args) {
    if (args.size() != 2) return ShowUsage();
    try {
        Build(args[0], args[1]);
    } catch (const BuildError& error) {
        std::cerr << "zq-template build: " << error.what() << "\n";
        return 1;
    }
    return 0;
}

bool IsKnownCodePage() {
    for (int code = 128; code < 256; ++code) {
        if (CharOfCode(static_cast<unsigned char>(code)) != U'\uFFFD') return true;
    }
    return false;
}

}  // namespace zq
