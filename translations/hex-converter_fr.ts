<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (thaï)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (japonais)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (chinois simplifié)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (coréen)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (chinois traditionnel)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Europe centrale)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cyrillique)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europe occidentale)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (grec)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (turc)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (hébreu)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (arabe)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (balte)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (vietnamien)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: l’option «&#xa0;%1&#xa0;» demande une valeur&#xa0;; voir «&#xa0;hex-converter --help&#xa0;».</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: option inconnue «&#xa0;%1&#xa0;»&#xa0;; voir «&#xa0;hex-converter --help&#xa0;».</translation>
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
        <translation>Utilisation&#xa0;: hex-converter [--help | --version] [--code-page N] [options Qt]
Convertit un caractère en ses deux chiffres hexadécimaux et inversement, dans une
petite fenêtre, dans la page de codes %1.

  -h, --help          afficher ce texte et quitter
  -v, --version       afficher la version et quitter
      --code-page N   convertir dans une autre page de codes de Windows&#xa0;: N vaut
                      874, 932, 936, 949, 950 ou de 1250 à 1258

Le programme n’a pas d’autres options propres. Les options standard de tout
programme Qt s’appliquent, entre autres&#xa0;:
  -platform NOM       le système de fenêtrage à utiliser, comme xcb ou wayland
  -display AFFICHAGE  l’affichage X11 sur lequel ouvrir la fenêtre
  -style NOM          le style des widgets, comme Fusion
  -stylesheet FICHIER une feuille de style pour dessiner la fenêtre
  -reverse            disposer de droite à gauche
Les arguments qui ne sont pas des options sont ignorés.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Échec inattendu</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Une erreur inattendue s’est produite&#xa0;; la conversion n’a pas abouti.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Aucun caractère n’a le code %1&#xa0;: les codes vont de 0 à 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Une chaîne de bits ne contient que les chiffres 0 et 1, et non %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 n’est pas une valeur d’octet&#xa0;: un octet est un nombre entier de 0 à 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Une chaîne de bits compte au plus 8 caractères, et non %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Deux chiffres hexadécimaux demandent une chaîne de bits d’exactement 8 caractères, et non %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Un texte vide ne se lit pas comme un nombre.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 ne se lit pas comme un nombre&#xa0;: un nombre s’écrit avec les chiffres 0-9, un signe facultatif et un point facultatif.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Il n’y a aucun chiffre hexadécimal à convertir. Saisissez un ou deux chiffres hexadécimaux&#xa0;: 0-9 et A-F (majuscules ou minuscules).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 n’est pas un chiffre hexadécimal. Saisissez un ou deux chiffres hexadécimaux&#xa0;: 0-9 et A-F (majuscules ou minuscules).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Chaîne de bits non valide</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Absent de la page de codes</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Un autre programme utilise le presse-papiers, rien n’a donc été copié. Appuyez de nouveau sur Copier dans un instant.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Le presse-papiers n’a pas accepté le texte, rien n’a donc été copié. Appuyez de nouveau sur Copier.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Presse-papiers indisponible</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of the code page %1: ASCII or a letter or sign such as %2 or %3.</source>
        <translation>Il n’y a aucun caractère à convertir. Saisissez un caractère de la page de codes %1&#xa0;: ASCII, ou une lettre ou un signe comme %2 ou %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Le caractère %1 ne fait pas partie de la page de codes %2. Saisissez un caractère de cette page de codes&#xa0;: ASCII, ou une lettre ou un signe comme %3 ou %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Le caractère %1 n’est pas un caractère unique de la page de codes %2. Saisissez un caractère de cette page de codes&#xa0;: ASCII, ou une lettre ou un signe comme %3 ou %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Le caractère %1 occupe plus d’un octet dans la page de codes %2&#xa0;: %3. Saisissez un caractère d’un seul octet&#xa0;: ASCII, ou une lettre ou un signe comme %4 ou %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>L’octet %1 ne fait que commencer un caractère de deux octets dans la page de codes %2&#xa0;: seul, il ne représente aucun caractère.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>L’octet %1 ne représente aucun caractère dans la page de codes %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Il n’existe pas de page de codes «&#xa0;%1&#xa0;»&#xa0;: choisissez-en une parmi %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Pas un octet unique</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Page de codes inconnue</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Aucun caractère</translation>
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
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Caractère</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Copier le caractère</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Copier les chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Page de codes&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Page de codes&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Convertir un caractère en ses deux chiffres hexadécimaux et inversement</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>un affichage X11 (DISPLAY n’est pas défini)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>l’affichage X11 «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>l’affichage Wayland «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>un affichage par la plateforme «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ni %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>un affichage</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: impossible d’ouvrir %1&#xa0;; la fenêtre ne peut pas s’afficher.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: aucun affichage où ouvrir la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définis)</translation>
    </message>
</context>
</TS>
