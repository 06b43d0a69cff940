<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (태국어)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (일본어)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (중국어 간체)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (한국어)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (중국어 번체)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (중앙 유럽어)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (키릴 자모)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (서유럽어)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (그리스어)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (터키어)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (히브리어)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (아랍어)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (발트어)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (베트남어)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: “%1” 옵션에는 값이 필요합니다. 자세한 내용은 “hex-converter --help”에서 확인하십시오.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: 알 수 없는 옵션 “%1”입니다. 자세한 내용은 “hex-converter --help”에서 확인하십시오.</translation>
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
        <translation>사용법: hex-converter [--help | --version] [--code-page N] [Qt 옵션]
작은 창에서 문자 하나를 두 자리 16진수로, 또는 그 반대로 변환합니다.
코드 페이지는 %1입니다.

  -h, --help          이 도움말을 표시하고 끝냅니다
  -v, --version       버전을 표시하고 끝냅니다
      --code-page N   Windows의 다른 코드 페이지로 변환합니다. N은 874, 932,
                      936, 949, 950 또는 1250~1258입니다

이 프로그램 자체의 옵션은 이것뿐입니다. 모든 Qt 프로그램에 공통인 표준 옵션도
사용할 수 있으며, 그중 일부는 다음과 같습니다:
  -platform NAME      사용할 창 시스템(예: xcb, wayland)
  -display DISPLAY    창을 열 X11 디스플레이
  -style NAME         위젯 스타일(예: Fusion)
  -stylesheet FILE    창을 그리는 데 사용할 스타일 시트
  -reverse            오른쪽에서 왼쪽으로 배치합니다
옵션이 아닌 인수는 무시됩니다.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>예기치 않은 오류</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>예기치 않은 문제가 발생하여 변환을 완료하지 못했습니다.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>코드 %1에 해당하는 문자가 없습니다. 코드는 0부터 255까지입니다.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>비트 문자열에는 숫자 0과 1만 쓸 수 있으며, %1은(는) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1은(는) 바이트 값이 아닙니다. 바이트는 0부터 255까지의 정수입니다.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>비트 문자열은 최대 8자여야 하지만 %1자입니다.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>두 자리 16진수를 만들려면 비트 문자열이 정확히 8자여야 하지만 %1자입니다.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>빈 텍스트는 숫자로 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1은(는) 숫자로 읽을 수 없습니다. 수는 숫자 0~9로 쓰며, 부호와 소수점은 선택 사항입니다.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>변환할 16진 숫자가 없습니다. 16진 숫자를 한두 자리 입력하십시오: 0~9, A~F(대소문자 구분 없음).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1은(는) 16진 숫자가 아닙니다. 16진 숫자를 한두 자리 입력하십시오: 0~9, A~F(대소문자 구분 없음).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>형식이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>범위를 벗어남</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>잘못된 비트 문자열</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>코드 페이지에 없음</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>다른 프로그램이 클립보드를 사용 중이어서 아무것도 복사되지 않았습니다. 잠시 후 “복사”를 다시 누르십시오.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>클립보드가 텍스트를 받아들이지 않아 아무것도 복사되지 않았습니다. “복사”를 다시 누르십시오.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>클립보드를 사용할 수 없음</translation>
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
        <translation>변환할 문자가 없습니다. 코드 페이지 %1의 문자를 입력하십시오. ASCII 문자나 %2, %3 같은 글자 또는 기호를 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>%1 문자는 코드 페이지 %2에 없습니다. 이 코드 페이지의 문자를 입력하십시오. ASCII 문자나 %3, %4 같은 글자 또는 기호를 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>%1 문자는 코드 페이지 %2의 단일 문자가 아닙니다. 이 코드 페이지의 문자를 입력하십시오. ASCII 문자나 %3, %4 같은 글자 또는 기호를 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>%1 문자는 코드 페이지 %2에서 여러 바이트(%3)를 차지합니다. 1바이트 문자를 입력하십시오. ASCII 문자나 %4, %5 같은 글자 또는 기호를 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>코드 페이지 %2에서 바이트 %1은(는) 2바이트 문자의 첫 바이트일 뿐이며, 단독으로는 어떤 문자도 나타내지 않습니다.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>코드 페이지 %2에서 바이트 %1에 해당하는 문자가 없습니다.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>“%1” 코드 페이지는 없습니다. %2 중 하나를 선택하십시오.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>단일 바이트가 아님</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>알 수 없는 코드 페이지</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>문자 없음</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
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
        <translation>16진수</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>문자</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>16진 숫자</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>문자 복사</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>16진 숫자 복사</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>코드 페이지: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
코드 페이지: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>문자 하나와 두 자리 16진수를 서로 변환합니다</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>DISPLAY가 설정되지 않은 X11 디스플레이</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>X11 디스플레이 “%1”</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>Wayland 디스플레이 “%1”</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>“%1” 플랫폼을 통한 디스플레이</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>디스플레이</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: %1에 연결할 수 없어 창을 표시할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: 창을 열 디스플레이가 없음(DISPLAY 및 WAYLAND_DISPLAY가 설정되지 않음)</translation>
    </message>
</context>
</TS>
