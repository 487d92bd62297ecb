<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Turtlescope</source>
        <translation>Über Turtlescope</translation>
    </message>
    <message>
        <source>Paint with brushes, colours and mirrors, and write programs whose turtle draws into the same picture.</source>
        <translation>Malen Sie mit Pinseln, Farben und Spiegeln, und schreiben Sie Programme, deren Schildkröte in dasselbe Bild zeichnet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AngleDialog</name>
    <message>
        <source>Which Angle?</source>
        <translation>Welcher Winkel?</translation>
    </message>
    <message>
        <source>How many degrees?</source>
        <translation>Wie viel Grad?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ApplicationMenus</name>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Bild exportieren…</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Neues Programm</translation>
    </message>
    <message>
        <source>Open Program…</source>
        <translation>Programm öffnen…</translation>
    </message>
    <message>
        <source>Save Program</source>
        <translation>Programm speichern</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Colours and Notes</source>
        <translation>Farben und Notizen</translation>
    </message>
    <message>
        <source>P&amp;en</source>
        <translation>&amp;Stift</translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation>Breite %1</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Connect Points</source>
        <translation>Punkte verbinden</translation>
    </message>
    <message>
        <source>Click to Start and Stop</source>
        <translation>Mit Klick beginnen und beenden</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Colour Cycling</source>
        <translation>Farbwechsel</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Andere…</translation>
    </message>
    <message>
        <source>&amp;Symmetry</source>
        <translation>S&amp;ymmetrie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 Mirrors</source>
        <translation>%1 Spiegelungen</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>F&amp;enster</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Befehlspalette</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Language Reference</source>
        <translation>Sprachreferenz</translation>
    </message>
    <message>
        <source>Turtlescope Home Page</source>
        <translation>Turtlescope im Web</translation>
    </message>
    <message>
        <source>About Turtlescope</source>
        <translation>Über Turtlescope</translation>
    </message>
    <message>
        <source>Show Variables</source>
        <translation>Variablen zeigen</translation>
    </message>
    <message>
        <source>Translate To</source>
        <translation>Übersetzen in</translation>
    </message>
</context>
<context>
    <name>CTextEditView</name>
    <message>
        <source>The program “%1” could not be opened.</source>
        <translation>Das Programm „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Programs (*.turtle *.txt);;All files (*)</source>
        <translation>Programme (*.turtle *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The program “%1” could not be saved.</source>
        <translation>Das Programm „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>Möchten Sie die Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Which Colour?</source>
        <translation>Welche Farbe?</translation>
    </message>
    <message>
        <source>Click a colour, or type one:</source>
        <translation>Klicken Sie auf eine Farbe oder geben Sie eine ein:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ColourPalette</name>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Colour cycling</source>
        <translation>Farbwechsel</translation>
    </message>
    <message>
        <source>Other colour…</source>
        <translation>Andere Farbe…</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
</context>
<context>
    <name>CommentDialog</name>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Your note:</source>
        <translation>Ihre Notiz:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CountDialog</name>
    <message>
        <source>How Many?</source>
        <translation>Wie oft?</translation>
    </message>
    <message>
        <source>Which number?</source>
        <translation>Welche Zahl?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DistanceDialog</name>
    <message>
        <source>How Far?</source>
        <translation>Wie weit?</translation>
    </message>
    <message>
        <source>How many steps?</source>
        <translation>Wie viele Schritte?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>EditorTranslation</name>
    <message>
        <source>the first keyword set</source>
        <translation>dem ersten Wortsatz</translation>
    </message>
    <message>
        <source>the second keyword set</source>
        <translation>dem zweiten Wortsatz</translation>
    </message>
    <message>
        <source>Translate Program</source>
        <translation>Programm übersetzen</translation>
    </message>
    <message>
        <source>First Keyword Set (%1)</source>
        <translation>Erster Wortsatz (%1)</translation>
    </message>
    <message>
        <source>Second Keyword Set (%1)</source>
        <translation>Zweiter Wortsatz (%1)</translation>
    </message>
    <message>
        <source>The program cannot be translated until it can run: line %1: %2</source>
        <translation>Das Programm lässt sich erst übersetzen, wenn es laufen kann: Zeile %1: %2</translation>
    </message>
    <message>
        <source>That language file cannot be read any more.</source>
        <translation>Diese Sprachdatei lässt sich nicht mehr lesen.</translation>
    </message>
    <message>
        <source>The translated program would be too long for the editor.</source>
        <translation>Das übersetzte Programm wäre zu lang für den Editor.</translation>
    </message>
</context>
<context>
    <name>FileProblemAlert</name>
    <message>
        <source>File Problem</source>
        <translation>Dateiproblem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ImageImport</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a device or a pipe, not a file</source>
        <translation>es ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>permission to read it is denied</source>
        <translation>die Berechtigung zum Lesen fehlt</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the image is %1: it has nothing to show</source>
        <translation>das Bild ist %1 groß und zeigt nichts</translation>
    </message>
    <message>
        <source>the image is %1, more than can be opened (at most %2 million pixels)</source>
        <translation>das Bild ist %1 groß, mehr als sich öffnen lässt (höchstens %2 Millionen Pixel)</translation>
    </message>
    <message>
        <source>no installed image reader recognises its content</source>
        <translation>kein installiertes Bildformat erkennt den Inhalt</translation>
    </message>
    <message>
        <source>its %1 data is damaged or cut short (%2)</source>
        <translation>die %1-Daten sind beschädigt oder unvollständig (%2)</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>the picture is %1, more than can be opened</source>
        <translation>das Bild ist %1 groß, mehr als sich öffnen lässt</translation>
    </message>
    <message>
        <source>its picture data is damaged or cut short</source>
        <translation>die Bilddaten sind beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is a program text, not a picture</source>
        <translation>es ist ein Programmtext, kein Bild</translation>
    </message>
</context>
<context>
    <name>LMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurück zur gespeicherten Fassung</translation>
    </message>
    <message>
        <source>Page Setup…</source>
        <translation>Seite einrichten…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print One</source>
        <translation>Ein Exemplar drucken</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>LanguageCatalogue</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
</context>
<context>
    <name>LanguageReference</name>
    <message>
        <source>move forward by a distance, drawing while the pen is down</source>
        <translation>um eine Strecke vorwärts gehen und dabei zeichnen, solange der Stift unten ist</translation>
    </message>
    <message>
        <source>the same as the forward word</source>
        <translation>wie das Wort für vorwärts</translation>
    </message>
    <message>
        <source>move back by a distance</source>
        <translation>um eine Strecke rückwärts gehen</translation>
    </message>
    <message>
        <source>the same as the back word</source>
        <translation>wie das Wort für rückwärts</translation>
    </message>
    <message>
        <source>turn left by degrees</source>
        <translation>um eine Gradzahl nach links drehen</translation>
    </message>
    <message>
        <source>turn right by degrees</source>
        <translation>um eine Gradzahl nach rechts drehen</translation>
    </message>
    <message>
        <source>repeat the block a number of times</source>
        <translation>den Block mehrmals wiederholen</translation>
    </message>
    <message>
        <source>end a shape definition</source>
        <translation>eine Figur zu Ende definieren</translation>
    </message>
    <message>
        <source>define a shape (a named block) to draw later by its name</source>
        <translation>eine Figur (einen Block mit Namen) festlegen, die später über ihren Namen gezeichnet wird</translation>
    </message>
    <message>
        <source>give a variable a value</source>
        <translation>einer Variablen einen Wert geben</translation>
    </message>
    <message>
        <source>the pen&apos;s width in pixels (0 to 100)</source>
        <translation>die Stiftbreite in Pixeln (0 bis 100)</translation>
    </message>
    <message>
        <source>lift or lower the pen</source>
        <translation>den Stift heben oder senken</translation>
    </message>
    <message>
        <source>lift the pen: move without drawing</source>
        <translation>den Stift heben: bewegen, ohne zu zeichnen</translation>
    </message>
    <message>
        <source>lower the pen: draw again</source>
        <translation>den Stift senken: wieder zeichnen</translation>
    </message>
    <message>
        <source>the pen&apos;s colour: a colour name or a digit</source>
        <translation>die Stiftfarbe: ein Farbname oder eine Ziffer</translation>
    </message>
    <message>
        <source>the same as the colour word</source>
        <translation>wie das Wort für die Farbe</translation>
    </message>
    <message>
        <source>mirror the drawing: level 0 to 4 gives 1, 2, 4, 6 or 8 copies</source>
        <translation>die Zeichnung spiegeln: Stufe 0 bis 4 ergibt 1, 2, 4, 6 oder 8 Bilder</translation>
    </message>
    <message>
        <source>fill the area under the turtle with the pen colour</source>
        <translation>die Fläche unter der Schildkröte mit der Stiftfarbe füllen</translation>
    </message>
    <message>
        <source>wipe the picture and send the turtle home</source>
        <translation>das Bild löschen und die Schildkröte zum Start schicken</translation>
    </message>
    <message>
        <source>wipe the picture, leaving the turtle where it is</source>
        <translation>das Bild löschen; die Schildkröte bleibt, wo sie ist</translation>
    </message>
    <message>
        <source>send the turtle to the middle, facing up</source>
        <translation>die Schildkröte in die Mitte schicken, Blick nach oben</translation>
    </message>
    <message>
        <source>how fast the turtle moves (0 to 100)</source>
        <translation>wie schnell sich die Schildkröte bewegt (0 bis 100)</translation>
    </message>
    <message>
        <source>wait a number of ticks (sixtieths of a second)</source>
        <translation>eine Anzahl Ticks warten (Sechzigstelsekunden)</translation>
    </message>
    <message>
        <source>write text where the turtle stands</source>
        <translation>Text dort schreiben, wo die Schildkröte steht</translation>
    </message>
    <message>
        <source>the font of written text</source>
        <translation>die Schriftart für geschriebenen Text</translation>
    </message>
    <message>
        <source>the size of written text</source>
        <translation>die Schriftgröße für geschriebenen Text</translation>
    </message>
    <message>
        <source>the style of written text</source>
        <translation>den Schriftstil für geschriebenen Text</translation>
    </message>
    <message>
        <source>a note for the reader; the rest of the line is not run</source>
        <translation>eine Notiz für Lesende; der Rest der Zeile wird nicht ausgeführt</translation>
    </message>
    <message>
        <source>Turtlescope language reference</source>
        <translation>Turtlescope-Sprachreferenz</translation>
    </message>
    <message>
        <source>Every word below works in any program, in any mix of upper and lower case; the two word sets may be mixed freely.</source>
        <translation>Jedes Wort unten gilt in jedem Programm, in beliebiger Groß- und Kleinschreibung; die beiden Wortsätze dürfen frei gemischt werden.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Auch</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Words used as arguments</source>
        <translation>Wörter als Argumente</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Ziffer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Abbreviations</source>
        <translation>Abkürzungen</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Rechnen</translation>
    </message>
    <message>
        <source>Numbers and variables combine with %1 and parentheses: %2.</source>
        <translation>Zahlen und Variablen lassen sich mit %1 und Klammern verbinden: %2.</translation>
    </message>
    <message>
        <source>%1 square %F 10 %E</source>
        <translation>%1 quadrat %F 10 %E</translation>
    </message>
    <message>
        <source>%1 size = 40</source>
        <translation>%1 länge = 40</translation>
    </message>
    <message>
        <source>%1 &quot;Hello&quot;</source>
        <translation>%1 &quot;Hallo&quot;</translation>
    </message>
    <message>
        <source>%1 my drawing</source>
        <translation>%1 meine Zeichnung</translation>
    </message>
</context>
<context>
    <name>ParseErrorAlert</name>
    <message>
        <source>Program Error</source>
        <translation>Fehler im Programm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ParseErrorReport</name>
    <message>
        <source>Line %1, column %2.</source>
        <translation>Zeile %1, Spalte %2.</translation>
    </message>
    <message>
        <source>Did you mean “%1”?</source>
        <translation>Meinten Sie „%1“?</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>the picture cannot be made</source>
        <translation>das Bild kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ProgramFiles</name>
    <message>
        <source>The program is longer than %1 bytes.</source>
        <translation>Das Programm ist länger als %1 Byte.</translation>
    </message>
</context>
<context>
    <name>ProgramTranslation</name>
    <message>
        <source>The program cannot be translated: “%1” on line %2 has no word in %3.</source>
        <translation>Das Programm lässt sich nicht übersetzen: „%1“ in Zeile %2 hat kein Wort in %3.</translation>
    </message>
    <message>
        <source>The program cannot be translated: the name “%1” on line %2 is a keyword in %3. Rename it first.</source>
        <translation>Das Programm lässt sich nicht übersetzen: Der Name „%1“ in Zeile %2 ist in %3 ein Schlüsselwort. Benennen Sie ihn zuerst um.</translation>
    </message>
    <message>
        <source>The program cannot be translated: at “%1” on line %2 it would mean something else in %3.</source>
        <translation>Das Programm lässt sich nicht übersetzen: Bei „%1“ in Zeile %2 würde es in %3 etwas anderes bedeuten.</translation>
    </message>
    <message>
        <source>The program cannot be translated: it has an error on line %1.</source>
        <translation>Das Programm lässt sich nicht übersetzen: Es hat einen Fehler in Zeile %1.</translation>
    </message>
</context>
<context>
    <name>ProgramWindow</name>
    <message>
        <source>Untitled Program</source>
        <translation>Unbenanntes Programm</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Pictures, images and programs (*.pict *.pct *.turtle *.txt %1)</source>
        <translation>Bilder, Bilddateien und Programme (*.pict *.pct *.turtle *.txt %1)</translation>
    </message>
    <message>
        <source>Turtlescope pictures (*.pict *.pct)</source>
        <translation>Turtlescope-Bilder (*.pict *.pct)</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilddateien (%1)</translation>
    </message>
    <message>
        <source>Programs (*.turtle *.txt)</source>
        <translation>Programme (*.turtle *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The file or its folder does not exist.</source>
        <translation>Die Datei oder ihr Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>You do not have permission to use it.</source>
        <translation>Sie haben keine Berechtigung, darauf zuzugreifen.</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Es ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The disk could not be read or written (is it full?).</source>
        <translation>Der Datenträger konnte nicht gelesen oder beschrieben werden (ist er voll?).</translation>
    </message>
    <message>
        <source>It is not a picture or an image Turtlescope can read, or it is damaged.</source>
        <translation>Es ist kein Bild, das Turtlescope lesen kann, oder es ist beschädigt.</translation>
    </message>
    <message>
        <source>A file of that name is in the way and cannot be replaced.</source>
        <translation>Eine Datei mit diesem Namen ist im Weg und kann nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>Error %1.</source>
        <translation>Fehler %1.</translation>
    </message>
    <message>
        <source>“%1” could not be opened.</source>
        <translation>„%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The picture could not be exported as “%1”.</source>
        <translation>Das Bild konnte nicht als „%1“ exportiert werden.</translation>
    </message>
    <message>
        <source>Discard the changes to “%1”?</source>
        <translation>Die Änderungen an „%1“ verwerfen?</translation>
    </message>
    <message>
        <source>Save the changes to “%1” before closing?</source>
        <translation>Änderungen an „%1“ vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>If you don&apos;t save, your changes will be lost.</source>
        <translation>Wenn Sie nicht speichern, gehen Ihre Änderungen verloren.</translation>
    </message>
    <message>
        <source>the document has no picture to read into</source>
        <translation>das Dokument hat kein Bild, in das gelesen werden kann</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>Try &apos;turtlescope-render --help&apos; for the options.
</source>
        <translation>„turtlescope-render --help“ zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>Usage: turtlescope-render [options] PROGRAM   (PROGRAM &quot;-&quot; reads standard input)
  --tree            print the parse result as JSON and exit
  -o, --output F    run the program and save the picture (.pict or .png)
  --size WxH        paint view size in pixels (default 1024x768)
  --state           after the run print the final state as JSON
  --pen C           pen palette selection: 2000..2004 or 2010 (default 2000)
  --colour C        colour palette selection: 3000..3008 (default 3000)
  --symmetry C      symmetry palette selection: 4000..4004 (default 4000)
  --heading N       the run heading in degrees (default 0)
  --open FILE       start from this picture
  --languages DIR   the Languages folder to use
  --region N        the system region code
  --translate-to T  print the program translated to T instead of running it: set1 or
                    set2 (the other keyword set), or the region code of a language
                    file in the Languages folder
  -h, --help        show this text
  --version         print the version and exit
</source>
        <translation>Aufruf: turtlescope-render [Optionen] PROGRAMM   (PROGRAMM „-“ liest die Standardeingabe)
  --tree            das Ergebnis der Analyse als JSON ausgeben und enden
  -o, --output F    das Programm ausführen und das Bild speichern (.pict oder .png)
  --size WxH        Größe der Malfläche in Pixeln (Vorgabe 1024x768)
  --state           nach dem Lauf den Endzustand als JSON ausgeben
  --pen C           Auswahl der Stiftpalette: 2000..2004 oder 2010 (Vorgabe 2000)
  --colour C        Auswahl der Farbpalette: 3000..3008 (Vorgabe 3000)
  --symmetry C      Auswahl der Symmetriepalette: 4000..4004 (Vorgabe 4000)
  --heading N       die Startrichtung in Grad (Vorgabe 0)
  --open FILE       von diesem Bild ausgehen
  --languages DIR   der zu verwendende Ordner Languages
  --region N        der Regionscode des Systems
  --translate-to T  das Programm übersetzt nach T ausgeben, statt es auszuführen: set1
                    oder set2 (der andere Wortsatz) oder der Regionscode einer
                    Sprachdatei im Ordner Languages
  -h, --help        diesen Text zeigen
  --version         die Version ausgeben und enden
</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>The program could not be read (out of memory?).</source>
        <translation>Das Programm konnte nicht gelesen werden (zu wenig Speicher?).</translation>
    </message>
    <message>
        <source>Unknown word: </source>
        <translation>Unbekanntes Wort: </translation>
    </message>
    <message>
        <source>A word is too long (more than 255 characters).</source>
        <translation>Ein Wort ist zu lang (mehr als 255 Zeichen).</translation>
    </message>
    <message>
        <source>A number is too long (more than 255 digits).</source>
        <translation>Eine Zahl ist zu lang (mehr als 255 Ziffern).</translation>
    </message>
    <message>
        <source>A name or text is too long (more than 255 characters).</source>
        <translation>Ein Name oder Text ist zu lang (mehr als 255 Zeichen).</translation>
    </message>
    <message>
        <source>A number may only hold digits.</source>
        <translation>Eine Zahl darf nur Ziffern enthalten.</translation>
    </message>
    <message>
        <source>Expected a colour name, a digit or a variable.</source>
        <translation>Erwartet wird ein Farbname, eine Ziffer oder eine Variable.</translation>
    </message>
    <message>
        <source>Expected a distance: a number or a variable.</source>
        <translation>Erwartet wird eine Strecke: eine Zahl oder eine Variable.</translation>
    </message>
    <message>
        <source>Expected a pen size: a number or a variable.</source>
        <translation>Erwartet wird eine Stiftbreite: eine Zahl oder eine Variable.</translation>
    </message>
    <message>
        <source>The pen size cannot be below 0.</source>
        <translation>Die Stiftbreite darf nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>The pen size cannot be above 100.</source>
        <translation>Die Stiftbreite darf nicht über 100 liegen.</translation>
    </message>
    <message>
        <source>The speed cannot be below 0.</source>
        <translation>Das Tempo darf nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>Expected a speed from 0 to 100.</source>
        <translation>Erwartet wird ein Tempo von 0 bis 100.</translation>
    </message>
    <message>
        <source>The delay cannot be below 0.</source>
        <translation>Die Wartezeit darf nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>The delay cannot be above 600.</source>
        <translation>Die Wartezeit darf nicht über 600 liegen.</translation>
    </message>
    <message>
        <source>The symmetry level must be 0, 1, 2, 3 or 4.</source>
        <translation>Die Symmetriestufe muss 0, 1, 2, 3 oder 4 sein.</translation>
    </message>
    <message>
        <source>A repeat count must be at least 1.</source>
        <translation>Die Zahl der Wiederholungen muss mindestens 1 sein.</translation>
    </message>
    <message>
        <source>A repeat count cannot be above 1000000.</source>
        <translation>Die Zahl der Wiederholungen darf nicht über 1000000 liegen.</translation>
    </message>
    <message>
        <source>Expected the word up or down.</source>
        <translation>Erwartet wird das Wort hoch oder runter.</translation>
    </message>
    <message>
        <source>The program is nested too deeply.</source>
        <translation>Das Programm ist zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Painting</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Program Run</source>
        <translation>Programmlauf</translation>
    </message>
    <message>
        <source>Can’t Undo</source>
        <translation>Rückgängig nicht möglich</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig:</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen:</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ShapeDialog</name>
    <message>
        <source>Shape Name</source>
        <translation>Name der Figur</translation>
    </message>
    <message>
        <source>What is the shape called?</source>
        <translation>Wie heißt die Figur?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>StartingPace</name>
    <message>
        <source>Fastest</source>
        <translation>Am schnellsten</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Step by Step</source>
        <translation>Schritt für Schritt</translation>
    </message>
    <message>
        <source>Very Slow</source>
        <translation>Sehr langsam</translation>
    </message>
    <message>
        <source>Pace:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>How fast a run starts; speed and delay in the program still change it.</source>
        <translation>Wie schnell ein Lauf beginnt; Tempo und Wartezeit im Programm ändern es weiterhin.</translation>
    </message>
</context>
<context>
    <name>SymmetryDialog</name>
    <message>
        <source>Which Symmetry?</source>
        <translation>Welche Symmetrie?</translation>
    </message>
    <message>
        <source>How many mirror images? (Level 0 to 4)</source>
        <translation>Wie viele Spiegelbilder? (Stufe 0 bis 4)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ToolPalette</name>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Pen width 2</source>
        <translation>Stiftbreite 2</translation>
    </message>
    <message>
        <source>Pen width 4</source>
        <translation>Stiftbreite 4</translation>
    </message>
    <message>
        <source>Pen width 8</source>
        <translation>Stiftbreite 8</translation>
    </message>
    <message>
        <source>Pen width 16</source>
        <translation>Stiftbreite 16</translation>
    </message>
    <message>
        <source>Pen width 32</source>
        <translation>Stiftbreite 32</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>No symmetry</source>
        <translation>Keine Symmetrie</translation>
    </message>
    <message>
        <source>Symmetry 2</source>
        <translation>Symmetrie 2</translation>
    </message>
    <message>
        <source>Symmetry 4</source>
        <translation>Symmetrie 4</translation>
    </message>
    <message>
        <source>Symmetry 6</source>
        <translation>Symmetrie 6</translation>
    </message>
    <message>
        <source>Symmetry 8</source>
        <translation>Symmetrie 8</translation>
    </message>
</context>
<context>
    <name>VariablesWindow</name>
    <message>
        <source>Variables of %1</source>
        <translation>Variablen: %1</translation>
    </message>
    <message>
        <source>Variables</source>
        <translation>Variablen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Changed last</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Läuft…</translation>
    </message>
    <message>
        <source>The last run had no variables.</source>
        <translation>Der letzte Lauf hatte keine Variablen.</translation>
    </message>
    <message>
        <source>Values at the end of the last run.</source>
        <translation>Werte am Ende des letzten Laufs.</translation>
    </message>
</context>
</TS>
