<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874（泰文）</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932（日文）</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936（簡體中文）</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949（韓文）</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950（繁體中文）</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250（中歐）</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251（斯拉夫文）</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252（西歐）</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253（希臘文）</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254（土耳其文）</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255（希伯來文）</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256（阿拉伯文）</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257（波羅的海文）</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258（越南文）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter：選項「%1」必須指定值；請參閱「hex-converter --help」。</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter：不明的選項「%1」；請參閱「hex-converter --help」。</translation>
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
        <translation>用法：hex-converter [--help | --version] [--code-page N] [Qt 選項]
在小視窗中將一個字元轉換成兩位十六進位數字，也可反向轉換，
使用的字碼頁為 %1。

  -h, --help          顯示這段說明並結束
  -v, --version       顯示版本並結束
      --code-page N   改以 Windows 的另一個字碼頁轉換：N 為 874、932、936、
                      949、950，或 1250 到 1258

本程式沒有其他專屬選項。所有 Qt 程式共通的標準選項都適用，包括：
  -platform 名稱      要使用的視窗系統，例如 xcb 或 wayland
  -display DISPLAY    要開啟視窗的 X11 顯示
  -style 名稱         介面元件的樣式，例如 Fusion
  -stylesheet 檔案    繪製視窗所用的樣式表
  -reverse            由右至左排列版面
非選項的引數都會被忽略。
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>未預期的錯誤</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>發生未預期的問題，轉換並未完成。</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>沒有字碼為 %1 的字元：字碼的範圍是 0 至 255。</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>位元字串只能包含數字 0 與 1，不能包含 %1。</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 不是位元組值：位元組是 0 至 255 的整數。</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>位元字串最多只有 8 個字元，這裡卻有 %1 個。</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>兩位十六進位數字需要剛好 8 個字元的位元字串，這裡卻有 %1 個。</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>空白文字無法當作數值讀取。</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 無法當作數值讀取：數值以數字 0-9 寫成，可加上正負號及小數點。</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>沒有可轉換的十六進位數字。請輸入一或兩位十六進位數字：0-9 及 A-F（大小寫皆可）。</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 不是十六進位數字。請輸入一或兩位十六進位數字：0-9 及 A-F（大小寫皆可）。</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型態不符合</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>無效的位元字串</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>不在字碼頁中</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>另一個程式正在使用剪貼簿，因此未複製任何內容。請稍候再按一次「複製」。</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>剪貼簿未接受這段文字，因此未複製任何內容。請再按一次「複製」。</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>無法使用剪貼簿</translation>
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
        <translation>沒有可轉換的字元。請輸入字碼頁 %1 中的字元：ASCII，或像 %2、%3 這類的字母或符號。</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>字元 %1 不在字碼頁 %2 中。請輸入該字碼頁中的字元：ASCII，或像 %3、%4 這類的字母或符號。</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>字元 %1 不是字碼頁 %2 中的單一字元。請輸入該字碼頁中的字元：ASCII，或像 %3、%4 這類的字母或符號。</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>字元 %1 在字碼頁 %2 中佔用超過一個位元組：%3。請輸入單一位元組的字元：ASCII，或像 %4、%5 這類的字母或符號。</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>在字碼頁 %2 中，位元組 %1 只是雙位元組字元的第一個位元組：單獨存在時不代表任何字元。</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>在字碼頁 %2 中，位元組 %1 不代表任何字元。</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>沒有「%1」這個字碼頁：請從 %2 中選擇一個。</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>非單一位元組</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>不明的字碼頁</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>無對應字元</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>十六進位</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>字元</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>十六進位數字</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>複製字元</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>複製十六進位數字</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>字碼頁：%1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
字碼頁：%2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>將一個字元轉換成兩位十六進位數字，也可反向轉換</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>任何 X11 顯示（未設定 DISPLAY）</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>名為「%1」的 X11 顯示</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>名為「%1」的 Wayland 顯示</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>透過「%1」平台的顯示</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1，也無法開啟%2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>任何顯示</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter：無法開啟%1，因此無法顯示視窗。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter：沒有可開啟視窗的顯示（DISPLAY 與 WAYLAND_DISPLAY 均未設定）</translation>
    </message>
</context>
</TS>
