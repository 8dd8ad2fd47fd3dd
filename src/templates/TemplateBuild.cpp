#include "templates/TemplateBuild.h"

#include <stdexcept>
#include <vector>

#include "base/CodePage.h"
#include "base/FileReplace.h"
#include "keyboard/DatasetPacket.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ZipBuilder.h"
#include "templates/KeyPicturePainter.h"
#include "templates/TemplateError.h"

namespace zq {

namespace {

constexpr size_t kKeyNameWidth = 20;
constexpr size_t kHintWidth = 127;
constexpr size_t kCharNameWidth = 30;

// Turns a description into table rows in the code page in force.
class TableRows {
public:
    TableRows(KeyPicturePainter& painter, const std::function<void(const std::string&)>& warn)
        : painter_(painter), warn_(warn) {}

    std::vector<FieldValue> KeyRowOf(const DescribedKey& key) const {
        std::string glyph;
        try {
            glyph = key.picture ? *key.picture : painter_.Draw(key.label, key.width, key.height);
        } catch (const std::invalid_argument& error) {
            throw TemplateError("key \"" + key.name + "\": " + error.what());
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

    std::vector<FieldValue> CharRowOf(const DescribedChar& row) const {
        return {CodePageText(row.name, kCharNameWidth, "character name"),
                std::int64_t{row.code},
                std::int64_t{row.keyValue},
                row.shift,
                row.altGr,
                std::int64_t{row.accent}};
    }

private:
    // UTF-8 text in the code page, refused when it is longer than the field.
    std::string CodePageText(const std::string& utf8, size_t width, const std::string& what) const {
        std::string text = FromUtf8(utf8);
        if (text.size() > width) {
            throw TemplateError(what + " \"" + utf8 + "\" is longer than " + std::to_string(width) +
                                " characters");
        }
        if (ToUtf8(text) != utf8) {
            warn_(what + " \"" + utf8 + "\" has characters that code page " +
                  std::to_string(SystemCodePage()) + " lacks");
        }
        return text;
    }

    KeyPicturePainter& painter_;
    const std::function<void(const std::string&)>& warn_;
};

std::string ReadmeOf(const KeyboardDescription& description) {
    std::string readme;
    for (size_t i = 0; i < description.readme.size(); ++i) {
        if (i > 0) readme += "\r\n";
        readme += FromUtf8(description.readme[i]);
    }
    return readme;
}

// The labels and code page of the keys, one label token a line in the key
// table's stored order, for DescribeTemplate.
std::string LabelsOf(const KeyboardDescription& description) {
    std::string labels = "codepage " + std::to_string(description.codePage) + "\n";
    for (const auto& key : description.keys) labels += QuoteToken(key.label) + "\n";
    return labels;
}

}  // namespace

void BuildTemplate(const KeyboardDescription& description, const std::string& path,
                   KeyPicturePainter& painter, const std::function<void(const std::string&)>& warn) {
    const CodePageInForce codePage(description.codePage);
    if (!IsKnownCodePage()) {
        throw TemplateError("code page " + std::to_string(description.codePage) +
                            " is not known to the system");
    }
    const TableRows rows(painter, warn);
    std::vector<std::vector<FieldValue>> keys;
    for (const auto& key : description.keys) keys.push_back(rows.KeyRowOf(key));
    std::vector<std::vector<FieldValue>> chars;
    for (const auto& row : description.chars) chars.push_back(rows.CharRowOf(row));

    ReplaceFileContents(path, BuildZipArchive({{"key.cds", WriteDatasetPacket(KeyTableFields(), keys)},
                                               {"char.cds", WriteDatasetPacket(CharTableFields(), chars)},
                                               {"readme", ReadmeOf(description)},
                                               {kLabelsEntry, LabelsOf(description)}}));
}

}  // namespace zq
