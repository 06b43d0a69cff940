// SPDX-License-Identifier: MIT
// Windows' own tables for its ANSI code pages: each byte as MultiByteToWideChar maps it with
// MB_ERR_INVALID_CHARS, \uFFFF where it refuses, gives a private-use code point or the byte only
// begins a pair; each character of two bytes at the pair that WideCharToMultiByte writes for it
// (of two pairs for one character, the other is left out); and the characters that a code page
// writes only as a letter followed by combining marks, from Unicode's canonical decompositions.
// Bytes 0x00 to 0x7F are ASCII in every one. The tests check every byte and every character
// against glibc's iconv and against Windows itself.
#include "CodePageTable.h"

#include "CodePagePairs.h"

#include <algorithm>

namespace hexconv {

namespace {

// clang-format off

// Windows-874: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper874 =
    u"€\u0081\u0082\u0083\u0084…\u0086\u0087\u0088\u0089\u008A\u008B\u008C\u008D\u008E\u008F"
    u"\u0090‘’“”•–—\u0098\u0099\u009A\u009B\u009C\u009D\u009E\u009F"
    u"\u00A0กขฃคฅฆงจฉชซฌญฎฏ"
    u"ฐฑฒณดตถทธนบปผฝพฟ"
    u"ภมยรฤลฦวศษสหฬอฮฯ"
    u"ะ\u0E31าำ\u0E34\u0E35\u0E36\u0E37\u0E38\u0E39\u0E3A\uFFFF\uFFFF\uFFFF\uFFFF฿"
    u"เแโใไๅๆ\u0E47\u0E48\u0E49\u0E4A\u0E4B\u0E4C\u0E4D\u0E4E๏"
    u"๐๑๒๓๔๕๖๗๘๙๚๛\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-932: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper932 =
    u"\u0080\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF｡｢｣､･ｦｧｨｩｪｫｬｭｮｯ"
    u"ｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿ"
    u"ﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏ"
    u"ﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-936: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper936 =
    u"€\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-949: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper949 =
    u"\u0080\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-950: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper950 =
    u"\u0080\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-1250: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1250 =
    u"€\u0081‚\u0083„…†‡\u0088‰Š‹ŚŤŽŹ"
    u"\u0090‘’“”•–—\u0098™š›śťžź"
    u"\u00A0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00AD®Ż"
    u"°±˛ł´µ¶·¸ąş»Ľ˝ľż"
    u"ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎ"
    u"ĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢß"
    u"ŕáâăäĺćçčéęëěíîď"
    u"đńňóôőö÷řůúűüýţ˙"
;

// Windows-1251: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1251 =
    u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏ"
    u"ђ‘’“”•–—\u0098™љ›њќћџ"
    u"\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї"
    u"°±Ііґµ¶·ё№є»јЅѕї"
    u"АБВГДЕЖЗИЙКЛМНОП"
    u"РСТУФХЦЧШЩЪЫЬЭЮЯ"
    u"абвгдежзийклмноп"
    u"рстуфхцчшщъыьэюя"
;

// Windows-1252: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1252 =
    u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
    u"\u0090‘’“”•–—˜™š›œ\u009DžŸ"
    u"\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹º»¼½¾¿"
    u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏ"
    u"ÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß"
    u"àáâãäåæçèéêëìíîï"
    u"ðñòóôõö÷øùúûüýþÿ"
;

// Windows-1253: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1253 =
    u"€\u0081‚ƒ„…†‡\u0088‰\u008A‹\u008C\u008D\u008E\u008F"
    u"\u0090‘’“”•–—\u0098™\u009A›\u009C\u009D\u009E\u009F"
    u"\u00A0΅Ά£¤¥¦§¨©\uFFFF«¬\u00AD®―"
    u"°±²³΄µ¶·ΈΉΊ»Ό½ΎΏ"
    u"ΐΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟ"
    u"ΠΡ\uFFFFΣΤΥΦΧΨΩΪΫάέήί"
    u"ΰαβγδεζηθικλμνξο"
    u"πρςστυφχψωϊϋόύώ\uFFFF"
;

// Windows-1254: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1254 =
    u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008D\u008E\u008F"
    u"\u0090‘’“”•–—˜™š›œ\u009D\u009EŸ"
    u"\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹º»¼½¾¿"
    u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏ"
    u"ĞÑÒÓÔÕÖ×ØÙÚÛÜİŞß"
    u"àáâãäåæçèéêëìíîï"
    u"ğñòóôõö÷øùúûüışÿ"
;

// Windows-1255: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1255 =
    u"€\u0081‚ƒ„…†‡ˆ‰\u008A‹\u008C\u008D\u008E\u008F"
    u"\u0090‘’“”•–—˜™\u009A›\u009C\u009D\u009E\u009F"
    u"\u00A0¡¢£₪¥¦§¨©×«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹÷»¼½¾¿"
    u"\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05B9\u05BA\u05BB\u05BC\u05BD־\u05BF"
    u"׀\u05C1\u05C2׃װױײ׳״\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"אבגדהוזחטיךכלםמן"
    u"נסעףפץצקרשת\uFFFF\uFFFF\u200E\u200F\uFFFF"
;

// Windows-1255: the characters it writes only as a letter and combining marks.
constexpr std::array<CodePageTable::Decomposition, 34> decompositions1255 = {{
    {0xFB1D, {0xE9, 0xC4}},
    {0xFB1F, {0xD6, 0xC7}},
    {0xFB2A, {0xF9, 0xD1}},
    {0xFB2B, {0xF9, 0xD2}},
    {0xFB2C, {0xF9, 0xCC, 0xD1}},
    {0xFB2D, {0xF9, 0xCC, 0xD2}},
    {0xFB2E, {0xE0, 0xC7}},
    {0xFB2F, {0xE0, 0xC8}},
    {0xFB30, {0xE0, 0xCC}},
    {0xFB31, {0xE1, 0xCC}},
    {0xFB32, {0xE2, 0xCC}},
    {0xFB33, {0xE3, 0xCC}},
    {0xFB34, {0xE4, 0xCC}},
    {0xFB35, {0xE5, 0xCC}},
    {0xFB36, {0xE6, 0xCC}},
    {0xFB38, {0xE8, 0xCC}},
    {0xFB39, {0xE9, 0xCC}},
    {0xFB3A, {0xEA, 0xCC}},
    {0xFB3B, {0xEB, 0xCC}},
    {0xFB3C, {0xEC, 0xCC}},
    {0xFB3E, {0xEE, 0xCC}},
    {0xFB40, {0xF0, 0xCC}},
    {0xFB41, {0xF1, 0xCC}},
    {0xFB43, {0xF3, 0xCC}},
    {0xFB44, {0xF4, 0xCC}},
    {0xFB46, {0xF6, 0xCC}},
    {0xFB47, {0xF7, 0xCC}},
    {0xFB48, {0xF8, 0xCC}},
    {0xFB49, {0xF9, 0xCC}},
    {0xFB4A, {0xFA, 0xCC}},
    {0xFB4B, {0xE5, 0xC9}},
    {0xFB4C, {0xE1, 0xCF}},
    {0xFB4D, {0xEB, 0xCF}},
    {0xFB4E, {0xF4, 0xCF}},
}};

// Windows-1256: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1256 =
    u"€پ‚ƒ„…†‡ˆ‰ٹ‹Œچژڈ"
    u"گ‘’“”•–—ک™ڑ›œ\u200C\u200Dں"
    u"\u00A0،¢£¤¥¦§¨©ھ«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹؛»¼½¾؟"
    u"ہءآأؤإئابةتثجحخد"
    u"ذرزسشصض×طظعغـفقك"
    u"àلâمنهوçèéêëىيîï"
    u"\u064B\u064C\u064D\u064Eô\u064F\u0650÷\u0651ù\u0652ûü\u200E\u200Fے"
;

// Windows-1257: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1257 =
    u"€\u0081‚\u0083„…†‡\u0088‰\u008A‹\u008C¨ˇ¸"
    u"\u0090‘’“”•–—\u0098™\u009A›\u009C¯˛\u009F"
    u"\u00A0\uFFFF¢£¤\uFFFF¦§Ø©Ŗ«¬\u00AD®Æ"
    u"°±²³´µ¶·ø¹ŗ»¼½¾æ"
    u"ĄĮĀĆÄÅĘĒČÉŹĖĢĶĪĻ"
    u"ŠŃŅÓŌÕÖ×ŲŁŚŪÜŻŽß"
    u"ąįāćäåęēčéźėģķīļ"
    u"šńņóōõö÷ųłśūüżž˙"
;

// Windows-1258: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1258 =
    u"€\u0081‚ƒ„…†‡ˆ‰\u008A‹Œ\u008D\u008E\u008F"
    u"\u0090‘’“”•–—˜™\u009A›œ\u009D\u009EŸ"
    u"\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹º»¼½¾¿"
    u"ÀÁÂĂÄÅÆÇÈÉÊË\u0300ÍÎÏ"
    u"ĐÑ\u0309ÓÔƠÖ×ØÙÚÛÜƯ\u0303ß"
    u"àáâăäåæçèéêë\u0301íîï"
    u"đñ\u0323óôơö÷øùúûüư₫ÿ"
;

// Windows-1258: the characters it writes only as a letter and combining marks.
constexpr std::array<CodePageTable::Decomposition, 179> decompositions1258 = {{
    {0x00C3, {0x41, 0xDE}},
    {0x00CC, {0x49, 0xCC}},
    {0x00D2, {0x4F, 0xCC}},
    {0x00D5, {0x4F, 0xDE}},
    {0x00DD, {0x59, 0xEC}},
    {0x00E3, {0x61, 0xDE}},
    {0x00EC, {0x69, 0xCC}},
    {0x00F2, {0x6F, 0xCC}},
    {0x00F5, {0x6F, 0xDE}},
    {0x00FD, {0x79, 0xEC}},
    {0x0106, {0x43, 0xEC}},
    {0x0107, {0x63, 0xEC}},
    {0x0128, {0x49, 0xDE}},
    {0x0129, {0x69, 0xDE}},
    {0x0139, {0x4C, 0xEC}},
    {0x013A, {0x6C, 0xEC}},
    {0x0143, {0x4E, 0xEC}},
    {0x0144, {0x6E, 0xEC}},
    {0x0154, {0x52, 0xEC}},
    {0x0155, {0x72, 0xEC}},
    {0x015A, {0x53, 0xEC}},
    {0x015B, {0x73, 0xEC}},
    {0x0168, {0x55, 0xDE}},
    {0x0169, {0x75, 0xDE}},
    {0x0179, {0x5A, 0xEC}},
    {0x017A, {0x7A, 0xEC}},
    {0x01D7, {0xDC, 0xEC}},
    {0x01D8, {0xFC, 0xEC}},
    {0x01DB, {0xDC, 0xCC}},
    {0x01DC, {0xFC, 0xCC}},
    {0x01F4, {0x47, 0xEC}},
    {0x01F5, {0x67, 0xEC}},
    {0x01F8, {0x4E, 0xCC}},
    {0x01F9, {0x6E, 0xCC}},
    {0x01FA, {0xC5, 0xEC}},
    {0x01FB, {0xE5, 0xEC}},
    {0x01FC, {0xC6, 0xEC}},
    {0x01FD, {0xE6, 0xEC}},
    {0x01FE, {0xD8, 0xEC}},
    {0x01FF, {0xF8, 0xEC}},
    {0x0385, {0xA8, 0xEC}},
    {0x1E04, {0x42, 0xF2}},
    {0x1E05, {0x62, 0xF2}},
    {0x1E08, {0xC7, 0xEC}},
    {0x1E09, {0xE7, 0xEC}},
    {0x1E0C, {0x44, 0xF2}},
    {0x1E0D, {0x64, 0xF2}},
    {0x1E24, {0x48, 0xF2}},
    {0x1E25, {0x68, 0xF2}},
    {0x1E2E, {0xCF, 0xEC}},
    {0x1E2F, {0xEF, 0xEC}},
    {0x1E30, {0x4B, 0xEC}},
    {0x1E31, {0x6B, 0xEC}},
    {0x1E32, {0x4B, 0xF2}},
    {0x1E33, {0x6B, 0xF2}},
    {0x1E36, {0x4C, 0xF2}},
    {0x1E37, {0x6C, 0xF2}},
    {0x1E3E, {0x4D, 0xEC}},
    {0x1E3F, {0x6D, 0xEC}},
    {0x1E42, {0x4D, 0xF2}},
    {0x1E43, {0x6D, 0xF2}},
    {0x1E46, {0x4E, 0xF2}},
    {0x1E47, {0x6E, 0xF2}},
    {0x1E4C, {0x4F, 0xDE, 0xEC}},
    {0x1E4D, {0x6F, 0xDE, 0xEC}},
    {0x1E54, {0x50, 0xEC}},
    {0x1E55, {0x70, 0xEC}},
    {0x1E5A, {0x52, 0xF2}},
    {0x1E5B, {0x72, 0xF2}},
    {0x1E62, {0x53, 0xF2}},
    {0x1E63, {0x73, 0xF2}},
    {0x1E6C, {0x54, 0xF2}},
    {0x1E6D, {0x74, 0xF2}},
    {0x1E78, {0x55, 0xDE, 0xEC}},
    {0x1E79, {0x75, 0xDE, 0xEC}},
    {0x1E7C, {0x56, 0xDE}},
    {0x1E7D, {0x76, 0xDE}},
    {0x1E7E, {0x56, 0xF2}},
    {0x1E7F, {0x76, 0xF2}},
    {0x1E80, {0x57, 0xCC}},
    {0x1E81, {0x77, 0xCC}},
    {0x1E82, {0x57, 0xEC}},
    {0x1E83, {0x77, 0xEC}},
    {0x1E88, {0x57, 0xF2}},
    {0x1E89, {0x77, 0xF2}},
    {0x1E92, {0x5A, 0xF2}},
    {0x1E93, {0x7A, 0xF2}},
    {0x1EA0, {0x41, 0xF2}},
    {0x1EA1, {0x61, 0xF2}},
    {0x1EA2, {0x41, 0xD2}},
    {0x1EA3, {0x61, 0xD2}},
    {0x1EA4, {0xC2, 0xEC}},
    {0x1EA5, {0xE2, 0xEC}},
    {0x1EA6, {0xC2, 0xCC}},
    {0x1EA7, {0xE2, 0xCC}},
    {0x1EA8, {0xC2, 0xD2}},
    {0x1EA9, {0xE2, 0xD2}},
    {0x1EAA, {0xC2, 0xDE}},
    {0x1EAB, {0xE2, 0xDE}},
    {0x1EAC, {0xC2, 0xF2}},
    {0x1EAD, {0xE2, 0xF2}},
    {0x1EAE, {0xC3, 0xEC}},
    {0x1EAF, {0xE3, 0xEC}},
    {0x1EB0, {0xC3, 0xCC}},
    {0x1EB1, {0xE3, 0xCC}},
    {0x1EB2, {0xC3, 0xD2}},
    {0x1EB3, {0xE3, 0xD2}},
    {0x1EB4, {0xC3, 0xDE}},
    {0x1EB5, {0xE3, 0xDE}},
    {0x1EB6, {0xC3, 0xF2}},
    {0x1EB7, {0xE3, 0xF2}},
    {0x1EB8, {0x45, 0xF2}},
    {0x1EB9, {0x65, 0xF2}},
    {0x1EBA, {0x45, 0xD2}},
    {0x1EBB, {0x65, 0xD2}},
    {0x1EBC, {0x45, 0xDE}},
    {0x1EBD, {0x65, 0xDE}},
    {0x1EBE, {0xCA, 0xEC}},
    {0x1EBF, {0xEA, 0xEC}},
    {0x1EC0, {0xCA, 0xCC}},
    {0x1EC1, {0xEA, 0xCC}},
    {0x1EC2, {0xCA, 0xD2}},
    {0x1EC3, {0xEA, 0xD2}},
    {0x1EC4, {0xCA, 0xDE}},
    {0x1EC5, {0xEA, 0xDE}},
    {0x1EC6, {0xCA, 0xF2}},
    {0x1EC7, {0xEA, 0xF2}},
    {0x1EC8, {0x49, 0xD2}},
    {0x1EC9, {0x69, 0xD2}},
    {0x1ECA, {0x49, 0xF2}},
    {0x1ECB, {0x69, 0xF2}},
    {0x1ECC, {0x4F, 0xF2}},
    {0x1ECD, {0x6F, 0xF2}},
    {0x1ECE, {0x4F, 0xD2}},
    {0x1ECF, {0x6F, 0xD2}},
    {0x1ED0, {0xD4, 0xEC}},
    {0x1ED1, {0xF4, 0xEC}},
    {0x1ED2, {0xD4, 0xCC}},
    {0x1ED3, {0xF4, 0xCC}},
    {0x1ED4, {0xD4, 0xD2}},
    {0x1ED5, {0xF4, 0xD2}},
    {0x1ED6, {0xD4, 0xDE}},
    {0x1ED7, {0xF4, 0xDE}},
    {0x1ED8, {0xD4, 0xF2}},
    {0x1ED9, {0xF4, 0xF2}},
    {0x1EDA, {0xD5, 0xEC}},
    {0x1EDB, {0xF5, 0xEC}},
    {0x1EDC, {0xD5, 0xCC}},
    {0x1EDD, {0xF5, 0xCC}},
    {0x1EDE, {0xD5, 0xD2}},
    {0x1EDF, {0xF5, 0xD2}},
    {0x1EE0, {0xD5, 0xDE}},
    {0x1EE1, {0xF5, 0xDE}},
    {0x1EE2, {0xD5, 0xF2}},
    {0x1EE3, {0xF5, 0xF2}},
    {0x1EE4, {0x55, 0xF2}},
    {0x1EE5, {0x75, 0xF2}},
    {0x1EE6, {0x55, 0xD2}},
    {0x1EE7, {0x75, 0xD2}},
    {0x1EE8, {0xDD, 0xEC}},
    {0x1EE9, {0xFD, 0xEC}},
    {0x1EEA, {0xDD, 0xCC}},
    {0x1EEB, {0xFD, 0xCC}},
    {0x1EEC, {0xDD, 0xD2}},
    {0x1EED, {0xFD, 0xD2}},
    {0x1EEE, {0xDD, 0xDE}},
    {0x1EEF, {0xFD, 0xDE}},
    {0x1EF0, {0xDD, 0xF2}},
    {0x1EF1, {0xFD, 0xF2}},
    {0x1EF2, {0x59, 0xCC}},
    {0x1EF3, {0x79, 0xCC}},
    {0x1EF4, {0x59, 0xF2}},
    {0x1EF5, {0x79, 0xF2}},
    {0x1EF6, {0x59, 0xD2}},
    {0x1EF7, {0x79, 0xD2}},
    {0x1EF8, {0x59, 0xDE}},
    {0x1EF9, {0x79, 0xDE}},
    {0x1FED, {0xA8, 0xCC}},
    {0x1FEE, {0xA8, 0xEC}},
}};

// clang-format on

constexpr std::array<CodePageTable, 14> tables = {{
    {874, HEXCONV_TRANSLATABLE("CodePage", "Windows-874 (Thai)"), u"กฮ", upper874, false, {}},
    {932, HEXCONV_TRANSLATABLE("CodePage", "Windows-932 (Japanese)"), u"ｱｶ", upper932, true, {}},
    {936,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-936 (Simplified Chinese)"),
     u"A€",
     upper936,
     true,
     {}},
    {949, HEXCONV_TRANSLATABLE("CodePage", "Windows-949 (Korean)"), u"A~", upper949, true, {}},
    {950,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-950 (Traditional Chinese)"),
     u"A~",
     upper950,
     true,
     {}},
    {1250,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-1250 (Central European)"),
     u"łŘ",
     upper1250,
     false,
     {}},
    {1251,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-1251 (Cyrillic)"),
     u"жЁ",
     upper1251,
     false,
     {}},
    {1252,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-1252 (Western European)"),
     u"é€",
     upper1252,
     false,
     {}},
    {1253, HEXCONV_TRANSLATABLE("CodePage", "Windows-1253 (Greek)"), u"λΩ", upper1253, false, {}},
    {1254, HEXCONV_TRANSLATABLE("CodePage", "Windows-1254 (Turkish)"), u"ğİ", upper1254, false, {}},
    {1255, HEXCONV_TRANSLATABLE("CodePage", "Windows-1255 (Hebrew)"), u"אש", upper1255, false,
     decompositions1255},
    {1256, HEXCONV_TRANSLATABLE("CodePage", "Windows-1256 (Arabic)"), u"بع", upper1256, false, {}},
    {1257, HEXCONV_TRANSLATABLE("CodePage", "Windows-1257 (Baltic)"), u"ėŲ", upper1257, false, {}},
    {1258, HEXCONV_TRANSLATABLE("CodePage", "Windows-1258 (Vietnamese)"), u"ơĐ", upper1258, false,
     decompositions1258},
}};

constexpr bool hasWholeRows(const CodePageTable& table) {
    return table.upperHalf.size() == 0x80 && table.examples.size() == 2;
}
static_assert(std::all_of(tables.begin(), tables.end(), hasWholeRows));
static_assert(std::is_sorted(tables.begin(), tables.end(),
                             [](const auto& a, const auto& b) { return a.number < b.number; }));

} // namespace

std::span<const CodePageTable> CodePageTable::all() {
    static const std::array<CodePageTable, tables.size()> withPairs = [] {
        auto all = tables;
        for (CodePageTable& table : all) {
            if (table.doubleByte) {
                table.pairs = CodePagePairs::of(table.number);
            }
        }
        return all;
    }();
    return withPairs;
}

} // namespace hexconv
