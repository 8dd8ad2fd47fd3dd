#include "keyboard/LayoutTable.h"

#include <algorithm>

namespace zq {
namespace {

// Windows layout identifiers with their XKB counterparts. The language of a
// layout is its identifier's low word.
// clang-format off
constexpr LayoutTableEntry kLayouts[] = {
    {0x00000409, 0x0409, "us", ""},
    {0x00010409, 0x0409, "us", "dvorak"},
    {0x00020409, 0x0409, "us", "intl"},
    {0x00030409, 0x0409, "us", "dvorak-l"},
    {0x00040409, 0x0409, "us", "dvorak-r"},
    {0x00000809, 0x0809, "gb", ""},
    {0x00000452, 0x0452, "gb", "extd"},
    {0x00011809, 0x1809, "gb", "gla"},
    {0x00001809, 0x1809, "ie", ""},
    {0x00001009, 0x1009, "ca", ""},
    {0x00011009, 0x1009, "ca", "multix"},
    {0x00000C0C, 0x0C0C, "ca", "fr-legacy"},
    {0x00000407, 0x0407, "de", ""},
    {0x00000807, 0x0807, "ch", ""},
    {0x0000100C, 0x100C, "ch", "fr"},
    {0x0000040C, 0x040C, "fr", ""},
    {0x0001040C, 0x040C, "fr", "afnor"},
    {0x0002040C, 0x040C, "fr", "bepo_afnor"},
    {0x0000080C, 0x080C, "be", ""},
    {0x00000410, 0x0410, "it", ""},
    {0x0000040A, 0x040A, "es", ""},
    {0x0000080A, 0x080A, "latam", ""},
    {0x00000816, 0x0816, "pt", ""},
    {0x00000416, 0x0416, "br", ""},
    {0x00000413, 0x0413, "nl", ""},
    {0x00000406, 0x0406, "dk", ""},
    {0x00000414, 0x0414, "no", ""},
    {0x0000043B, 0x043B, "no", "smi"},
    {0x0000041D, 0x041D, "se", ""},
    {0x0000083B, 0x083B, "se", "smi"},
    {0x0000040B, 0x040B, "fi", ""},
    {0x0001083B, 0x083B, "fi", "smi"},
    {0x0000040F, 0x040F, "is", ""},
    {0x00000438, 0x0438, "fo", ""},
    {0x00000415, 0x0415, "pl", ""},
    {0x00010415, 0x0415, "pl", "qwertz"},
    {0x00000405, 0x0405, "cz", ""},
    {0x00010405, 0x0405, "cz", "qwerty"},
    {0x0000041B, 0x041B, "sk", ""},
    {0x0001041B, 0x041B, "sk", "qwerty"},
    {0x0000040E, 0x040E, "hu", ""},
    {0x00000424, 0x0424, "si", ""},
    {0x0000041A, 0x041A, "hr", ""},
    {0x0000081A, 0x081A, "rs", "latin"},
    {0x00000C1A, 0x0C1A, "rs", ""},
    {0x0000042F, 0x042F, "mk", ""},
    {0x0000041C, 0x041C, "al", ""},
    {0x00000418, 0x0418, "ro", "winkeys"},
    {0x00010418, 0x0418, "ro", "std"},
    {0x00020418, 0x0418, "ro", ""},
    {0x00000402, 0x0402, "bg", ""},
    {0x00040402, 0x0402, "bg", "phonetic"},
    {0x00000425, 0x0425, "ee", ""},
    {0x00000426, 0x0426, "lv", "ergonomic"},
    {0x00010426, 0x0426, "lv", ""},
    {0x00000427, 0x0427, "lt", "ibm"},
    {0x00010427, 0x0427, "lt", ""},
    {0x00020427, 0x0427, "lt", "std"},
    {0x0000043A, 0x043A, "mt", ""},
    {0x00000419, 0x0419, "ru", ""},
    {0x00010419, 0x0419, "ru", "typewriter"},
    {0x00020419, 0x0419, "ru", "phonetic"},
    {0x00000422, 0x0422, "ua", ""},
    {0x00000423, 0x0423, "by", ""},
    {0x00000408, 0x0408, "gr", ""},
    {0x00060408, 0x0408, "gr", "polytonic"},
    {0x0000041F, 0x041F, "tr", ""},
    {0x0001041F, 0x041F, "tr", "f"},
    {0x0000040D, 0x040D, "il", ""},
    {0x00000401, 0x0401, "ara", ""},
    {0x00020401, 0x0401, "ara", "azerty"},
    {0x00000429, 0x0429, "ir", ""},
    {0x00000420, 0x0420, "pk", ""},
    {0x00000463, 0x0463, "af", "ps"},
    {0x0000045A, 0x045A, "sy", "syc"},
    {0x00000411, 0x0411, "jp", ""},
    {0x00000412, 0x0412, "kr", ""},
    {0x00000804, 0x0804, "cn", ""},
    {0x00000404, 0x0404, "tw", ""},
    {0x0000041E, 0x041E, "th", ""},
    {0x0001041E, 0x041E, "th", "pat"},
    {0x0000042A, 0x042A, "vn", ""},
    {0x00000453, 0x0453, "kh", ""},
    {0x00000454, 0x0454, "la", ""},
    {0x00000439, 0x0439, "in", ""},
    {0x00000446, 0x0446, "in", "guru"},
    {0x00000447, 0x0447, "in", "guj"},
    {0x00000449, 0x0449, "in", "tam"},
    {0x0000044A, 0x044A, "in", "tel"},
    {0x0000044B, 0x044B, "in", "kan"},
    {0x0000044C, 0x044C, "in", "mal"},
    {0x00000461, 0x0461, "np", ""},
    {0x00000465, 0x0465, "mv", ""},
    {0x00000437, 0x0437, "ge", ""},
    {0x0000042B, 0x042B, "am", "eastern"},
    {0x0001042B, 0x042B, "am", "western"},
    {0x0000042C, 0x042C, "az", ""},
    {0x0000082C, 0x082C, "az", "cyrillic"},
    {0x0000043F, 0x043F, "kz", ""},
    {0x00000440, 0x0440, "kg", ""},
    {0x00000442, 0x0442, "tm", ""},
    {0x00000843, 0x0843, "uz", ""},
    {0x00000428, 0x0428, "tj", ""},
    {0x00000450, 0x0450, "mn", ""},
    {0x00000444, 0x0444, "ru", "tt"},
    {0x0000046D, 0x046D, "ru", "bak"},
    {0x00000485, 0x0485, "ru", "sah"},
    {0x00000480, 0x0480, "cn", "ug"},
    {0x00000468, 0x0468, "ng", "hausa"},
    {0x0000046A, 0x046A, "ng", "yoruba"},
    {0x00000470, 0x0470, "ng", "igbo"},
    {0x00000488, 0x0488, "sn", ""},
    {0x00000481, 0x0481, "mao", ""},
    {0x0000045C, 0x045C, "us", "chr"},
    {0x00000475, 0x0475, "us", "haw"},
};
// clang-format on

struct LanguageLocale {
    std::uint16_t languageId;
    std::string_view localeName;
};

// Windows language identifiers of the layouts above, sorted by identifier.
constexpr LanguageLocale kLanguages[] = {
    {0x0401, "ar_SA"},      {0x0402, "bg_BG"},      {0x0404, "zh_TW"},      {0x0405, "cs_CZ"},
    {0x0406, "da_DK"},      {0x0407, "de_DE"},      {0x0408, "el_GR"},      {0x0409, "en_US"},
    {0x040A, "es_ES"},      {0x040B, "fi_FI"},      {0x040C, "fr_FR"},      {0x040D, "he_IL"},
    {0x040E, "hu_HU"},      {0x040F, "is_IS"},      {0x0410, "it_IT"},      {0x0411, "ja_JP"},
    {0x0412, "ko_KR"},      {0x0413, "nl_NL"},      {0x0414, "nb_NO"},      {0x0415, "pl_PL"},
    {0x0416, "pt_BR"},      {0x0418, "ro_RO"},      {0x0419, "ru_RU"},      {0x041A, "hr_HR"},
    {0x041B, "sk_SK"},      {0x041C, "sq_AL"},      {0x041D, "sv_SE"},      {0x041E, "th_TH"},
    {0x041F, "tr_TR"},      {0x0420, "ur_PK"},      {0x0422, "uk_UA"},      {0x0423, "be_BY"},
    {0x0424, "sl_SI"},      {0x0425, "et_EE"},      {0x0426, "lv_LV"},      {0x0427, "lt_LT"},
    {0x0428, "tg_TJ"},      {0x0429, "fa_IR"},      {0x042A, "vi_VN"},      {0x042B, "hy_AM"},
    {0x042C, "az_Latn_AZ"}, {0x042F, "mk_MK"},      {0x0437, "ka_GE"},      {0x0438, "fo_FO"},
    {0x0439, "hi_IN"},      {0x043A, "mt_MT"},      {0x043B, "se_NO"},      {0x043F, "kk_KZ"},
    {0x0440, "ky_KG"},      {0x0442, "tk_TM"},      {0x0444, "tt_RU"},      {0x0446, "pa_IN"},
    {0x0447, "gu_IN"},      {0x0449, "ta_IN"},      {0x044A, "te_IN"},      {0x044B, "kn_IN"},
    {0x044C, "ml_IN"},      {0x0450, "mn_MN"},      {0x0452, "cy_GB"},      {0x0453, "km_KH"},
    {0x0454, "lo_LA"},      {0x045A, "syr_SY"},     {0x045C, "chr_US"},     {0x0461, "ne_NP"},
    {0x0463, "ps_AF"},      {0x0465, "dv_MV"},      {0x0468, "ha_NG"},      {0x046A, "yo_NG"},
    {0x046D, "ba_RU"},      {0x0470, "ig_NG"},      {0x0475, "haw_US"},     {0x0480, "ug_CN"},
    {0x0481, "mi_NZ"},      {0x0485, "sah_RU"},     {0x0488, "wo_SN"},      {0x0804, "zh_CN"},
    {0x0807, "de_CH"},      {0x0809, "en_GB"},      {0x080A, "es_MX"},      {0x080C, "fr_BE"},
    {0x0816, "pt_PT"},      {0x081A, "sr_Latn_RS"}, {0x082C, "az_Cyrl_AZ"}, {0x083B, "se_SE"},
    {0x0843, "uz_Cyrl_UZ"}, {0x0C0C, "fr_CA"},      {0x0C1A, "sr_Cyrl_RS"}, {0x1009, "en_CA"},
    {0x100C, "fr_CH"},      {0x1809, "en_IE"},
};

}  // namespace

std::span<const LayoutTableEntry> LayoutTable() {
    return kLayouts;
}

const LayoutTableEntry* FindLayoutByIdentifier(std::uint32_t identifier) {
    for (const LayoutTableEntry& entry : kLayouts) {
        if (entry.identifier == identifier) return &entry;
    }
    return nullptr;
}

const LayoutTableEntry* FindLayoutByXkbName(std::string_view layout, std::string_view variant) {
    for (const LayoutTableEntry& entry : kLayouts) {
        if (entry.xkbLayout == layout && entry.xkbVariant == variant) return &entry;
    }
    return nullptr;
}

const LayoutTableEntry* ClosestLayoutForXkbName(std::string_view layout, std::string_view variant) {
    if (const LayoutTableEntry* exact = FindLayoutByXkbName(layout, variant)) return exact;
    return FindLayoutByXkbName(layout, "");
}

std::uint32_t LayoutHandle(const LayoutTableEntry& entry) {
    const std::uint32_t variant = entry.identifier >> 16;
    const std::uint32_t highWord = variant == 0 ? entry.languageId : 0xF000 | variant;
    return highWord << 16 | entry.languageId;
}

std::string_view LocaleNameOfLanguage(std::uint16_t languageId) {
    const auto found = std::lower_bound(
        std::begin(kLanguages), std::end(kLanguages), languageId,
        [](const LanguageLocale& language, std::uint16_t id) { return language.languageId < id; });
    if (found == std::end(kLanguages) || found->languageId != languageId) return {};
    return found->localeName;
}

}  // namespace zq
