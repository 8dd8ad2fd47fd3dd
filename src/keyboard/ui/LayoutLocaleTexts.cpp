#include "keyboard/ui/LayoutLocaleTexts.h"

#include <QLocale>
#include <QString>

#include "base/CodePage.h"
#include "keyboard/LayoutTable.h"
#include "keyboard/TKeyboardLayoutAgent.h"

namespace zq {

std::string LayoutLocaleText(std::uint16_t languageId, LocaleInfo info) {
    const std::string_view name = LocaleNameOfLanguage(languageId);
    if (name.empty()) return {};
    const QLocale locale(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (locale.language() == QLocale::C) return {};

    const QString language = QLocale::languageToString(locale.language());
    const QString country = QLocale::territoryToString(locale.territory());
    switch (info) {
        case LocaleInfo::LanguageId:
            return LayoutIdentifierText(languageId).substr(4);
        case LocaleInfo::LanguageName:
            return FromUtf8(QStringLiteral("%1 (%2)").arg(language, country).toStdString());
        case LocaleInfo::CountryName:
            return FromUtf8(country.toStdString());
    }
    return {};
}

}  // namespace zq
