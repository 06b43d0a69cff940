<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <source>Usage: hex-converter [--help | --version] [Qt options]
Converts one character to its two hex digits and back, in a small window.

  -h, --help          show this text and exit
      --version       show the version and exit

The program has no other options of its own. The standard options of every Qt
program apply, among them:
  -platform NAME      the window system to use, such as xcb or wayland
  -display DISPLAY    the X11 display to open the window on
  -style NAME         the widget style, such as Fusion
  -stylesheet FILE    a style sheet to draw the window with
  -reverse            lay out from right to left
Arguments that are not options are ignored.
</source>
        <translation>Utilisation&#xa0;: hex-converter [--help | --version] [options Qt]
Convertit un caractère en ses deux chiffres hexadécimaux et inversement, dans une petite fenêtre.

  -h, --help          afficher ce texte et quitter
      --version       afficher la version et quitter

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
        <source>The character %1 is not in the Windows-1252 code page. Type a character of that code page: ASCII or a Western European letter or sign such as &quot;é&quot; or &quot;€&quot;.</source>
        <translation>Le caractère %1 ne fait pas partie de la page de codes Windows-1252. Saisissez un caractère de cette page de codes&#xa0;: ASCII, ou une lettre ou un signe d’Europe occidentale comme «&#xa0;é&#xa0;» ou «&#xa0;€&#xa0;».</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of that code page: ASCII or a Western European letter or sign such as &quot;é&quot; or &quot;€&quot;.</source>
        <translation>Il n’y a aucun caractère à convertir. Saisissez un caractère de la page de codes Windows-1252&#xa0;: ASCII, ou une lettre ou un signe d’Europe occidentale comme «&#xa0;é&#xa0;» ou «&#xa0;€&#xa0;».</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the Windows-1252 code page. Type a character of that code page: ASCII or a Western European letter or sign such as &quot;é&quot; or &quot;€&quot;.</source>
        <translation>Le caractère %1 n’est pas un caractère unique de la page de codes Windows-1252. Saisissez un caractère de cette page de codes&#xa0;: ASCII, ou une lettre ou un signe d’Europe occidentale comme «&#xa0;é&#xa0;» ou «&#xa0;€&#xa0;».</translation>
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
