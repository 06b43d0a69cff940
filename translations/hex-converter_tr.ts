<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (Tayca)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (Japonca)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (Basitleştirilmiş Çince)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (Korece)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (Geleneksel Çince)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Orta Avrupa)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Kiril)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Batı Avrupa)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (Yunanca)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (Türkçe)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (İbranice)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (Arapça)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltık)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (Vietnamca)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: “%1” seçeneği bir değer gerektirir; “hex-converter --help” komutuna bakın.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: bilinmeyen seçenek “%1”; “hex-converter --help” komutuna bakın.</translation>
    </message>
    <message>
        <source>Usage: hex-converter [--help | --version] [--code-page N] [Qt options]
Converts one character to its two hex digits and back, in a small window, in the
code page %1.

  -h, --help          show this text and exit
  -v, --version       show the version and exit
      --code-page N   convert in another of Windows&apos; code pages: N is 874, 932,
                      936, 949, 950 or 1250 to 1258

The program has no other options of its own. The standard options of every Qt
program apply, among them:
  -platform NAME      the window system to use, such as xcb or wayland
  -display DISPLAY    the X11 display to open the window on
  -style NAME         the widget style, such as Fusion
  -stylesheet FILE    a style sheet to draw the window with
  -reverse            lay out from right to left
Arguments that are not options are ignored.
</source>
        <translation>Kullanım: hex-converter [--help | --version] [--code-page N] [Qt seçenekleri]
Küçük bir pencerede, bir karakteri iki onaltılık basamağına dönüştürür ve
tersini yapar; %1 kod sayfasını kullanır.

  -h, --help          bu metni gösterir ve çıkar
  -v, --version       sürümü gösterir ve çıkar
      --code-page N   Windows’un başka bir kod sayfasında dönüştürür; N değeri
                      874, 932, 936, 949, 950 ya da 1250 ile 1258 arasıdır

Programın kendine ait başka seçeneği yoktur. Her Qt programının standart
seçenekleri geçerlidir; bunlardan bazıları:
  -platform AD        kullanılacak pencere sistemi, örneğin xcb ya da wayland
  -display DISPLAY    pencerenin açılacağı X11 ekranı
  -style AD           pencere öğelerinin stili, örneğin Fusion
  -stylesheet DOSYA   pencereyi çizmek için kullanılacak stil sayfası
  -reverse            sağdan sola yerleşim
Seçenek olmayan argümanlar yok sayılır.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Beklenmeyen hata</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Beklenmeyen bir sorun oluştu; dönüştürme tamamlanmadı.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Kodu %1 olan bir karakter yok: kodlar 0 ile 255 arasındadır.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Bir bit dizisi yalnızca 0 ve 1 rakamlarını içerir, %1 içeremez.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 bir bayt değeri değildir: bayt, 0 ile 255 arasında bir tam sayıdır.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Bir bit dizisi en fazla 8 karakter içerir, %1 değil.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>İki onaltılık basamak için tam olarak 8 karakterlik bir bit dizisi gerekir, %1 değil.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Boş bir metin sayı olarak okunamaz.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 sayı olarak okunamıyor: bir sayı 0-9 rakamlarıyla, isteğe bağlı bir işaret ve isteğe bağlı bir nokta ile yazılır.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Dönüştürülecek onaltılık basamak yok. Bir ya da iki onaltılık basamak yazın: 0-9 ve A-F (büyük ya da küçük harf).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 bir onaltılık basamak değil. Bir ya da iki onaltılık basamak yazın: 0-9 ve A-F (büyük ya da küçük harf).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tür uyuşmazlığı</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Aralık dışında</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Geçersiz bit dizisi</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Kod sayfasında yok</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Başka bir program panoyu kullanıyor, bu nedenle hiçbir şey kopyalanmadı. Biraz sonra “Kopyala” düğmesine yeniden basın.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Pano metni kabul etmedi, bu nedenle hiçbir şey kopyalanmadı. “Kopyala” düğmesine yeniden basın.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Pano kullanılamıyor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of the code page %1: ASCII or a letter or sign such as %2 or %3.</source>
        <translation>Dönüştürülecek karakter yok. %1 kod sayfasından bir karakter yazın: ASCII ya da %2 veya %3 gibi bir harf veya işaret.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>%1 karakteri %2 kod sayfasında yok. Bu kod sayfasından bir karakter yazın: ASCII ya da %3 veya %4 gibi bir harf veya işaret.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>%1 karakteri %2 kod sayfasında tek bir karaktere karşılık gelmiyor. Bu kod sayfasından bir karakter yazın: ASCII ya da %3 veya %4 gibi bir harf veya işaret.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>%1 karakteri %2 kod sayfasında birden fazla bayt kaplıyor: %3. Tek baytlık bir karakter yazın: ASCII ya da %4 veya %5 gibi bir harf veya işaret.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>%1 baytı %2 kod sayfasında yalnızca iki baytlık bir karakterin başlangıcıdır: tek başına hiçbir karakteri temsil etmez.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>%1 baytı %2 kod sayfasında hiçbir karakteri temsil etmez.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>“%1” kod sayfası mevcut değil: %2 kod sayfalarından birini seçin.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Tek bayt değil</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Bilinmeyen kod sayfası</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Karakter yok</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Hex Decimal</source>
        <translation>Onaltılık</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Karakter</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Onaltılık basamaklar</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Karakteri kopyala</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Onaltılık basamakları kopyala</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Kod sayfası: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Kod sayfası: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Bir karakteri iki onaltılık basamağına dönüştürün ve tersini yapın</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>bir X11 ekranı (DISPLAY değişkeni ayarlanmamış)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>X11 ekranı “%1”</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>Wayland ekranı “%1”</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>“%1” platformu üzerinden bir ekran</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>hiçbir ekran</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: %1 açılamıyor; pencere gösterilemiyor.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: pencerenin açılacağı bir ekran yok (DISPLAY ve WAYLAND_DISPLAY değişkenleri ayarlanmamış)</translation>
    </message>
</context>
</TS>
