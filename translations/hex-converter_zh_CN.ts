<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874（泰语）</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932（日语）</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936（简体中文）</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949（韩语）</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950（繁体中文）</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250（中欧）</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251（西里尔文）</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252（西欧）</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253（希腊语）</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254（土耳其语）</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255（希伯来语）</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256（阿拉伯语）</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257（波罗的海语）</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258（越南语）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter：选项“%1”需要一个值；请参阅“hex-converter --help”。</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter：未知选项“%1”；请参阅“hex-converter --help”。</translation>
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
        <translation>用法：hex-converter [--help | --version] [--code-page N] [Qt 选项]
在一个小窗口中将一个字符转换为两位十六进制数字，或进行反向转换，
所用代码页为 %1。

  -h, --help          显示此帮助文本并退出
  -v, --version       显示版本信息并退出
      --code-page N   改用 Windows 的另一个代码页进行转换：N 为 874、932、936、
                      949、950 或 1250 至 1258

本程序没有其他自有选项。所有 Qt 程序通用的标准选项均适用，其中包括：
  -platform 名称      要使用的窗口系统，例如 xcb 或 wayland
  -display DISPLAY    用于打开窗口的 X11 显示
  -style 名称         控件样式，例如 Fusion
  -stylesheet 文件    用于绘制窗口的样式表
  -reverse            从右到左布局
不是选项的参数将被忽略。
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>意外错误</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>发生了意外问题，转换未能完成。</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>不存在代码为 %1 的字符：代码的范围是 0 到 255。</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>位串只能包含数字 0 和 1，不能包含 %1。</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 不是字节值：字节是 0 到 255 之间的整数。</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>位串最多 8 个字符，而此处有 %1 个。</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>两位十六进制数字需要正好 8 个字符的位串，而此处有 %1 个。</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>空文本无法读作数值。</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 无法读作数值：数值由数字 0-9 写成，可带正负号和小数点。</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>没有可转换的十六进制数字。请输入一位或两位十六进制数字：0-9 和 A-F（大小写均可）。</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 不是十六进制数字。请输入一位或两位十六进制数字：0-9 和 A-F（大小写均可）。</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>无效的位串</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>不在代码页中</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>另一个程序正在使用剪贴板，因此未复制任何内容。请稍后再按“复制”。</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>剪贴板未接受该文本，因此未复制任何内容。请再按一次“复制”。</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>剪贴板不可用</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>“%1”（%2）</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of the code page %1: ASCII or a letter or sign such as %2 or %3.</source>
        <translation>没有可转换的字符。请输入代码页 %1 中的字符：ASCII 字符，或 %2、%3 等字母或符号。</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>字符 %1 不在代码页 %2 中。请输入该代码页中的字符：ASCII 字符，或 %3、%4 等字母或符号。</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>字符 %1 不是代码页 %2 中的单个字符。请输入该代码页中的字符：ASCII 字符，或 %3、%4 等字母或符号。</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>字符 %1 在代码页 %2 中占用多个字节：%3。请输入单字节字符：ASCII 字符，或 %4、%5 等字母或符号。</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>在代码页 %2 中，字节 %1 只是双字节字符的首字节：单独使用时不表示任何字符。</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>在代码页 %2 中，字节 %1 不表示任何字符。</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>不存在代码页“%1”：请从 %2 中选择一个。</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>不是单字节</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>未知代码页</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>无对应字符</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>十六进制</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>字符</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>十六进制数字</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>复制字符</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>复制十六进制数字</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>代码页：%1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
代码页：%2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>将一个字符转换为两位十六进制数字，或进行反向转换</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>任何 X11 显示（未设置 DISPLAY）</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>名为“%1”的 X11 显示</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>名为“%1”的 Wayland 显示</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>通过“%1”平台提供的显示</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1，也无法打开%2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>任何显示</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter：无法打开%1；无法显示窗口。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter：没有可用于打开窗口的显示（未设置 DISPLAY 和 WAYLAND_DISPLAY）</translation>
    </message>
</context>
</TS>
