<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874（タイ語）</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932（日本語）</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936（簡体字中国語）</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949（韓国語）</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950（繁体字中国語）</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250（中央ヨーロッパ言語）</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251（キリル言語）</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252（西ヨーロッパ言語）</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253（ギリシャ語）</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254（トルコ語）</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255（ヘブライ語）</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256（アラビア語）</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257（バルト言語）</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258（ベトナム語）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: オプション「%1」には値が必要です。「hex-converter --help」を参照してください。</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: 不明なオプション「%1」です。「hex-converter --help」を参照してください。</translation>
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
        <translation>使用法: hex-converter [--help | --version] [--code-page N] [Qtオプション]
小さなウィンドウで、1文字とその2桁の16進数を相互に変換します。
コードページは%1です。

  -h, --help          このヘルプを表示して終了する
  -v, --version       バージョンを表示して終了する
      --code-page N   Windowsの別のコードページで変換する。Nは874、932、936、
                      949、950、1250～1258のいずれか

このプログラム独自のオプションはほかにありません。すべてのQtプログラムに共通の
標準オプションが使えます。主なものは次のとおりです：
  -platform NAME      使用するウィンドウシステム（xcb、waylandなど）
  -display DISPLAY    ウィンドウを開くX11ディスプレイ
  -style NAME         ウィジェットのスタイル（Fusionなど）
  -stylesheet FILE    ウィンドウの描画に使うスタイルシート
  -reverse            右から左へレイアウトする
オプション以外の引数は無視されます。
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>予期しないエラー</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>予期しない問題が発生したため、変換を完了できませんでした。</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>コード%1の文字はありません。コードは0～255の範囲です。</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>ビット列に使える数字は0と1だけです。%1は使えません。</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1はバイト値ではありません。バイトは0～255の整数です。</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>ビット列は最大8文字ですが、%1文字あります。</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>2桁の16進数にするには、ビット列がちょうど8文字である必要がありますが、%1文字です。</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>空のテキストは数値として読み取れません。</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1は数値として読み取れません。数値は0～9の数字で書き、符号と小数点を付けることもできます。</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>変換する16進数字がありません。16進数字を1～2桁入力してください（0～9とA～F、大文字・小文字は問いません）。</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1は16進数字ではありません。16進数字を1～2桁入力してください（0～9とA～F、大文字・小文字は問いません）。</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>無効なビット列</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>コードページにありません</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>ほかのプログラムがクリップボードを使用中のため、何もコピーされませんでした。しばらくしてから、もう一度「コピー」を押してください。</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>クリップボードがテキストを受け付けなかったため、何もコピーされませんでした。もう一度「コピー」を押してください。</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>クリップボードを使用できません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>「%1」（%2）</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of the code page %1: ASCII or a letter or sign such as %2 or %3.</source>
        <translation>変換する文字がありません。コードページ%1の文字を入力してください。ASCIIのほか、%2や%3などの文字や記号が使えます。</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>文字%1はコードページ%2にありません。このコードページの文字を入力してください。ASCIIのほか、%3や%4などの文字や記号が使えます。</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>文字%1はコードページ%2の1文字ではありません。このコードページの文字を入力してください。ASCIIのほか、%3や%4などの文字や記号が使えます。</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>文字%1はコードページ%2では複数のバイト（%3）になります。1バイトの文字を入力してください。ASCIIのほか、%4や%5などの文字や記号が使えます。</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>バイト%1は、コードページ%2では2バイト文字の先頭バイトにすぎず、単独では文字を表しません。</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>バイト%1は、コードページ%2ではどの文字も表しません。</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>コードページ「%1」はありません。%2のいずれかを選んでください。</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>1バイトではありません</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>不明なコードページ</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>文字がありません</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>16進数</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>16進数字</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>文字をコピー</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>16進数字をコピー</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>コードページ：%1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
コードページ：%2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>1文字とその2桁の16進数を相互に変換します</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>X11ディスプレイ（DISPLAYが未設定）</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>X11ディスプレイ「%1」</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>Waylandディスプレイ「%1」</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>プラットフォーム「%1」経由のディスプレイ</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: %1を開けないため、ウィンドウを表示できません。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: ウィンドウを開くディスプレイがありません（DISPLAYとWAYLAND_DISPLAYが設定されていません）</translation>
    </message>
</context>
</TS>
