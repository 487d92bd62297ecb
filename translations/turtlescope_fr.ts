<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Turtlescope</source>
        <translation>À propos de Turtlescope</translation>
    </message>
    <message>
        <source>Paint with brushes, colours and mirrors, and write programs whose turtle draws into the same picture.</source>
        <translation>Peignez avec des pinceaux, des couleurs et des miroirs, et écrivez des programmes dont la tortue dessine dans la même image.</translation>
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
        <translation>Quel angle&#xa0;?</translation>
    </message>
    <message>
        <source>How many degrees?</source>
        <translation>Combien de degrés&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Exemples</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exporter l’image…</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Nouveau programme</translation>
    </message>
    <message>
        <source>Open Program…</source>
        <translation>Ouvrir un programme…</translation>
    </message>
    <message>
        <source>Save Program</source>
        <translation>Enregistrer le programme</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Colours and Notes</source>
        <translation>Couleurs et notes</translation>
    </message>
    <message>
        <source>P&amp;en</source>
        <translation>C&amp;rayon</translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation>Épaisseur %1</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Connect Points</source>
        <translation>Relier les points</translation>
    </message>
    <message>
        <source>Click to Start and Stop</source>
        <translation>Cliquer pour commencer et arrêter</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
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
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Colour Cycling</source>
        <translation>Couleurs changeantes</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Autre…</translation>
    </message>
    <message>
        <source>&amp;Symmetry</source>
        <translation>&amp;Symétrie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>%1 Mirrors</source>
        <translation>%1 miroirs</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Effacer l’image</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Palette des commandes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Language Reference</source>
        <translation>Référence du langage</translation>
    </message>
    <message>
        <source>Turtlescope Home Page</source>
        <translation>Site web de Turtlescope</translation>
    </message>
    <message>
        <source>About Turtlescope</source>
        <translation>À propos de Turtlescope</translation>
    </message>
    <message>
        <source>Show Variables</source>
        <translation>Afficher les variables</translation>
    </message>
    <message>
        <source>Translate To</source>
        <translation>Traduire en</translation>
    </message>
</context>
<context>
    <name>CTextEditView</name>
    <message>
        <source>The program “%1” could not be opened.</source>
        <translation>Le programme «&#xa0;%1&#xa0;» n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Programs (*.turtle *.txt);;All files (*)</source>
        <translation>Programmes (*.turtle *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The program “%1” could not be saved.</source>
        <translation>Le programme «&#xa0;%1&#xa0;» n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>Voulez-vous enregistrer les modifications de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Which Colour?</source>
        <translation>Quelle couleur&#xa0;?</translation>
    </message>
    <message>
        <source>Click a colour, or type one:</source>
        <translation>Cliquez sur une couleur ou tapez-en une&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
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
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Colour cycling</source>
        <translation>Couleurs changeantes</translation>
    </message>
    <message>
        <source>Other colour…</source>
        <translation>Autre couleur…</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
</context>
<context>
    <name>CommentDialog</name>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Your note:</source>
        <translation>Votre note&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Combien de fois&#xa0;?</translation>
    </message>
    <message>
        <source>Which number?</source>
        <translation>Quel nombre&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Quelle distance&#xa0;?</translation>
    </message>
    <message>
        <source>How many steps?</source>
        <translation>Combien de pas&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>EditorTranslation</name>
    <message>
        <source>the first keyword set</source>
        <translation>le premier jeu de mots</translation>
    </message>
    <message>
        <source>the second keyword set</source>
        <translation>le second jeu de mots</translation>
    </message>
    <message>
        <source>Translate Program</source>
        <translation>Traduire le programme</translation>
    </message>
    <message>
        <source>First Keyword Set (%1)</source>
        <translation>Premier jeu de mots (%1)</translation>
    </message>
    <message>
        <source>Second Keyword Set (%1)</source>
        <translation>Second jeu de mots (%1)</translation>
    </message>
    <message>
        <source>The program cannot be translated until it can run: line %1: %2</source>
        <translation>Le programme ne peut être traduit que s’il peut s’exécuter&#xa0;: ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>That language file cannot be read any more.</source>
        <translation>Ce fichier de langue ne peut plus être lu.</translation>
    </message>
    <message>
        <source>The translated program would be too long for the editor.</source>
        <translation>Le programme traduit serait trop long pour l’éditeur.</translation>
    </message>
</context>
<context>
    <name>FileProblemAlert</name>
    <message>
        <source>File Problem</source>
        <translation>Problème de fichier</translation>
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
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device or a pipe, not a file</source>
        <translation>c’est un périphérique ou un tube, pas un fichier</translation>
    </message>
    <message>
        <source>permission to read it is denied</source>
        <translation>la permission de le lire est refusée</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the image is %1: it has nothing to show</source>
        <translation>l’image mesure %1&#xa0;: elle n’a rien à montrer</translation>
    </message>
    <message>
        <source>the image is %1, more than can be opened (at most %2 million pixels)</source>
        <translation>l’image mesure %1, plus que ce qui peut être ouvert (au plus %2 millions de pixels)</translation>
    </message>
    <message>
        <source>no installed image reader recognises its content</source>
        <translation>aucun lecteur d’images installé ne reconnaît son contenu</translation>
    </message>
    <message>
        <source>its %1 data is damaged or cut short (%2)</source>
        <translation>ses données %1 sont endommagées ou tronquées (%2)</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>la mémoire est insuffisante pour l’image</translation>
    </message>
    <message>
        <source>the picture is %1, more than can be opened</source>
        <translation>l’image mesure %1, plus que ce qui peut être ouvert</translation>
    </message>
    <message>
        <source>its picture data is damaged or cut short</source>
        <translation>ses données d’image sont endommagées ou tronquées</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is a program text, not a picture</source>
        <translation>c’est un texte de programme, pas une image</translation>
    </message>
</context>
<context>
    <name>LMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revenir à la version enregistrée</translation>
    </message>
    <message>
        <source>Page Setup…</source>
        <translation>Mise en page…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print One</source>
        <translation>Imprimer un exemplaire</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>LanguageCatalogue</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
</context>
<context>
    <name>LanguageReference</name>
    <message>
        <source>move forward by a distance, drawing while the pen is down</source>
        <translation>avancer d’une distance, en dessinant tant que le crayon est baissé</translation>
    </message>
    <message>
        <source>the same as the forward word</source>
        <translation>comme le mot pour avancer</translation>
    </message>
    <message>
        <source>move back by a distance</source>
        <translation>reculer d’une distance</translation>
    </message>
    <message>
        <source>the same as the back word</source>
        <translation>comme le mot pour reculer</translation>
    </message>
    <message>
        <source>turn left by degrees</source>
        <translation>tourner à gauche d’un nombre de degrés</translation>
    </message>
    <message>
        <source>turn right by degrees</source>
        <translation>tourner à droite d’un nombre de degrés</translation>
    </message>
    <message>
        <source>repeat the block a number of times</source>
        <translation>répéter le bloc un certain nombre de fois</translation>
    </message>
    <message>
        <source>end a shape definition</source>
        <translation>terminer la définition d’une forme</translation>
    </message>
    <message>
        <source>define a shape (a named block) to draw later by its name</source>
        <translation>définir une forme (un bloc nommé) à dessiner plus tard par son nom</translation>
    </message>
    <message>
        <source>give a variable a value</source>
        <translation>donner une valeur à une variable</translation>
    </message>
    <message>
        <source>the pen&apos;s width in pixels (0 to 100)</source>
        <translation>l’épaisseur du crayon en pixels (0 à 100)</translation>
    </message>
    <message>
        <source>lift or lower the pen</source>
        <translation>lever ou baisser le crayon</translation>
    </message>
    <message>
        <source>lift the pen: move without drawing</source>
        <translation>lever le crayon&#xa0;: se déplacer sans dessiner</translation>
    </message>
    <message>
        <source>lower the pen: draw again</source>
        <translation>baisser le crayon&#xa0;: dessiner de nouveau</translation>
    </message>
    <message>
        <source>the pen&apos;s colour: a colour name or a digit</source>
        <translation>la couleur du crayon&#xa0;: un nom de couleur ou un chiffre</translation>
    </message>
    <message>
        <source>the same as the colour word</source>
        <translation>comme le mot pour la couleur</translation>
    </message>
    <message>
        <source>mirror the drawing: level 0 to 4 gives 1, 2, 4, 6 or 8 copies</source>
        <translation>refléter le dessin&#xa0;: les niveaux 0 à 4 donnent 1, 2, 4, 6 ou 8 copies</translation>
    </message>
    <message>
        <source>fill the area under the turtle with the pen colour</source>
        <translation>remplir la zone sous la tortue avec la couleur du crayon</translation>
    </message>
    <message>
        <source>wipe the picture and send the turtle home</source>
        <translation>effacer l’image et ramener la tortue au départ</translation>
    </message>
    <message>
        <source>wipe the picture, leaving the turtle where it is</source>
        <translation>effacer l’image en laissant la tortue où elle est</translation>
    </message>
    <message>
        <source>send the turtle to the middle, facing up</source>
        <translation>envoyer la tortue au milieu, tournée vers le haut</translation>
    </message>
    <message>
        <source>how fast the turtle moves (0 to 100)</source>
        <translation>la vitesse de la tortue (0 à 100)</translation>
    </message>
    <message>
        <source>wait a number of ticks (sixtieths of a second)</source>
        <translation>attendre un nombre de tops (soixantièmes de seconde)</translation>
    </message>
    <message>
        <source>write text where the turtle stands</source>
        <translation>écrire un texte là où se trouve la tortue</translation>
    </message>
    <message>
        <source>the font of written text</source>
        <translation>la police du texte écrit</translation>
    </message>
    <message>
        <source>the size of written text</source>
        <translation>la taille du texte écrit</translation>
    </message>
    <message>
        <source>the style of written text</source>
        <translation>le style du texte écrit</translation>
    </message>
    <message>
        <source>a note for the reader; the rest of the line is not run</source>
        <translation>une note pour le lecteur&#xa0;; le reste de la ligne n’est pas exécuté</translation>
    </message>
    <message>
        <source>Turtlescope language reference</source>
        <translation>Référence du langage Turtlescope</translation>
    </message>
    <message>
        <source>Every word below works in any program, in any mix of upper and lower case; the two word sets may be mixed freely.</source>
        <translation>Chaque mot ci-dessous fonctionne dans tout programme, en majuscules comme en minuscules&#xa0;; les deux jeux de mots peuvent être mélangés librement.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Aussi</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Words used as arguments</source>
        <translation>Mots utilisés comme arguments</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Chiffre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Abbreviations</source>
        <translation>Abréviations</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Numbers and variables combine with %1 and parentheses: %2.</source>
        <translation>Les nombres et les variables se combinent avec %1 et des parenthèses&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 square %F 10 %E</source>
        <translation>%1 carré %F 10 %E</translation>
    </message>
    <message>
        <source>%1 size = 40</source>
        <translation>%1 longueur = 40</translation>
    </message>
    <message>
        <source>%1 &quot;Hello&quot;</source>
        <translation>%1 &quot;Bonjour&quot;</translation>
    </message>
    <message>
        <source>%1 my drawing</source>
        <translation>%1 mon dessin</translation>
    </message>
</context>
<context>
    <name>ParseErrorAlert</name>
    <message>
        <source>Program Error</source>
        <translation>Erreur dans le programme</translation>
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
        <translation>Ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>Did you mean “%1”?</source>
        <translation>Vouliez-vous dire «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>la mémoire est insuffisante pour l’image</translation>
    </message>
    <message>
        <source>the picture cannot be made</source>
        <translation>l’image ne peut pas être créée</translation>
    </message>
</context>
<context>
    <name>ProgramFiles</name>
    <message>
        <source>The program is longer than %1 bytes.</source>
        <translation>Le programme dépasse %1 octets.</translation>
    </message>
</context>
<context>
    <name>ProgramTranslation</name>
    <message>
        <source>The program cannot be translated: “%1” on line %2 has no word in %3.</source>
        <translation>Le programme ne peut pas être traduit&#xa0;: «&#xa0;%1&#xa0;» à la ligne %2 n’a pas de mot dans %3.</translation>
    </message>
    <message>
        <source>The program cannot be translated: the name “%1” on line %2 is a keyword in %3. Rename it first.</source>
        <translation>Le programme ne peut pas être traduit&#xa0;: le nom «&#xa0;%1&#xa0;» à la ligne %2 est un mot-clé dans %3. Renommez-le d’abord.</translation>
    </message>
    <message>
        <source>The program cannot be translated: at “%1” on line %2 it would mean something else in %3.</source>
        <translation>Le programme ne peut pas être traduit&#xa0;: à «&#xa0;%1&#xa0;» à la ligne %2, il signifierait autre chose dans %3.</translation>
    </message>
    <message>
        <source>The program cannot be translated: it has an error on line %1.</source>
        <translation>Le programme ne peut pas être traduit&#xa0;: il a une erreur à la ligne %1.</translation>
    </message>
</context>
<context>
    <name>ProgramWindow</name>
    <message>
        <source>Untitled Program</source>
        <translation>Programme sans titre</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Pictures, images and programs (*.pict *.pct *.turtle *.txt %1)</source>
        <translation>Images, fichiers image et programmes (*.pict *.pct *.turtle *.txt %1)</translation>
    </message>
    <message>
        <source>Turtlescope pictures (*.pict *.pct)</source>
        <translation>Images Turtlescope (*.pict *.pct)</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Fichiers image (%1)</translation>
    </message>
    <message>
        <source>Programs (*.turtle *.txt)</source>
        <translation>Programmes (*.turtle *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l’image</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>The file or its folder does not exist.</source>
        <translation>Le fichier ou son dossier n’existe pas.</translation>
    </message>
    <message>
        <source>You do not have permission to use it.</source>
        <translation>Vous n’avez pas l’autorisation de l’utiliser.</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>La mémoire est insuffisante.</translation>
    </message>
    <message>
        <source>The disk could not be read or written (is it full?).</source>
        <translation>Le disque n’a pas pu être lu ou écrit (est-il plein&#xa0;?).</translation>
    </message>
    <message>
        <source>It is not a picture or an image Turtlescope can read, or it is damaged.</source>
        <translation>Ce n’est pas une image que Turtlescope sait lire, ou elle est endommagée.</translation>
    </message>
    <message>
        <source>A file of that name is in the way and cannot be replaced.</source>
        <translation>Un fichier de ce nom gêne et ne peut pas être remplacé.</translation>
    </message>
    <message>
        <source>Error %1.</source>
        <translation>Erreur %1.</translation>
    </message>
    <message>
        <source>“%1” could not be opened.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.</source>
        <translation>L’image n’a pas pu être enregistrée sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The picture could not be exported as “%1”.</source>
        <translation>L’image n’a pas pu être exportée sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Discard the changes to “%1”?</source>
        <translation>Abandonner les modifications de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Save the changes to “%1” before closing?</source>
        <translation>Enregistrer les modifications de «&#xa0;%1&#xa0;» avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>If you don&apos;t save, your changes will be lost.</source>
        <translation>Si vous n’enregistrez pas, vos modifications seront perdues.</translation>
    </message>
    <message>
        <source>the document has no picture to read into</source>
        <translation>le document n’a pas d’image où lire</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>Try &apos;turtlescope-render --help&apos; for the options.
</source>
        <translation>« turtlescope-render --help » affiche les options.
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
        <translation>Usage : turtlescope-render [options] PROGRAMME   (PROGRAMME « - » lit l’entrée standard)
  --tree            afficher le résultat de l’analyse en JSON et terminer
  -o, --output F    exécuter le programme et enregistrer l’image (.pict ou .png)
  --size WxH        taille de la zone de dessin en pixels (par défaut 1024x768)
  --state           après l’exécution, afficher l’état final en JSON
  --pen C           choix dans la palette des crayons : 2000..2004 ou 2010 (par défaut 2000)
  --colour C        choix dans la palette des couleurs : 3000..3008 (par défaut 3000)
  --symmetry C      choix dans la palette des symétries : 4000..4004 (par défaut 4000)
  --heading N       le cap de départ en degrés (par défaut 0)
  --open FILE       partir de cette image
  --languages DIR   le dossier Languages à utiliser
  --region N        le code de région du système
  --translate-to T  afficher le programme traduit en T au lieu de l’exécuter : set1 ou
                    set2 (l’autre jeu de mots), ou le code de région d’un fichier de
                    langue du dossier Languages
  -h, --help        afficher ce texte
  --version         afficher la version et terminer
</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>The program could not be read (out of memory?).</source>
        <translation>Le programme n’a pas pu être lu (mémoire insuffisante ?).</translation>
    </message>
    <message>
        <source>Unknown word: </source>
        <translation>Mot inconnu : </translation>
    </message>
    <message>
        <source>A word is too long (more than 255 characters).</source>
        <translation>Un mot est trop long (plus de 255 caractères).</translation>
    </message>
    <message>
        <source>A number is too long (more than 255 digits).</source>
        <translation>Un nombre est trop long (plus de 255 chiffres).</translation>
    </message>
    <message>
        <source>A name or text is too long (more than 255 characters).</source>
        <translation>Un nom ou un texte est trop long (plus de 255 caractères).</translation>
    </message>
    <message>
        <source>A number may only hold digits.</source>
        <translation>Un nombre ne peut contenir que des chiffres.</translation>
    </message>
    <message>
        <source>Expected a colour name, a digit or a variable.</source>
        <translation>Nom de couleur, chiffre ou variable attendu.</translation>
    </message>
    <message>
        <source>Expected a distance: a number or a variable.</source>
        <translation>Distance attendue : un nombre ou une variable.</translation>
    </message>
    <message>
        <source>Expected a pen size: a number or a variable.</source>
        <translation>Épaisseur de crayon attendue : un nombre ou une variable.</translation>
    </message>
    <message>
        <source>The pen size cannot be below 0.</source>
        <translation>L’épaisseur du crayon ne peut pas être inférieure à 0.</translation>
    </message>
    <message>
        <source>The pen size cannot be above 100.</source>
        <translation>L’épaisseur du crayon ne peut pas dépasser 100.</translation>
    </message>
    <message>
        <source>The speed cannot be below 0.</source>
        <translation>La vitesse ne peut pas être inférieure à 0.</translation>
    </message>
    <message>
        <source>Expected a speed from 0 to 100.</source>
        <translation>Vitesse attendue : un nombre de 0 à 100.</translation>
    </message>
    <message>
        <source>The delay cannot be below 0.</source>
        <translation>L’attente ne peut pas être inférieure à 0.</translation>
    </message>
    <message>
        <source>The delay cannot be above 600.</source>
        <translation>L’attente ne peut pas dépasser 600.</translation>
    </message>
    <message>
        <source>The symmetry level must be 0, 1, 2, 3 or 4.</source>
        <translation>Le niveau de symétrie doit être 0, 1, 2, 3 ou 4.</translation>
    </message>
    <message>
        <source>A repeat count must be at least 1.</source>
        <translation>Le nombre de répétitions doit être au moins 1.</translation>
    </message>
    <message>
        <source>A repeat count cannot be above 1000000.</source>
        <translation>Le nombre de répétitions ne peut pas dépasser 1000000.</translation>
    </message>
    <message>
        <source>Expected the word up or down.</source>
        <translation>Le mot levé ou baissé est attendu.</translation>
    </message>
    <message>
        <source>The program is nested too deeply.</source>
        <translation>Le programme est imbriqué trop profondément.</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>la saisie</translation>
    </message>
    <message>
        <source>Painting</source>
        <translation>le dessin</translation>
    </message>
    <message>
        <source>Program Run</source>
        <translation>l’exécution du programme</translation>
    </message>
    <message>
        <source>Can’t Undo</source>
        <translation>Impossible d’annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ShapeDialog</name>
    <message>
        <source>Shape Name</source>
        <translation>Nom de la forme</translation>
    </message>
    <message>
        <source>What is the shape called?</source>
        <translation>Comment s’appelle la forme&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Le plus rapide</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Step by Step</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Very Slow</source>
        <translation>Très lent</translation>
    </message>
    <message>
        <source>Pace:</source>
        <translation>Allure&#xa0;:</translation>
    </message>
    <message>
        <source>How fast a run starts; speed and delay in the program still change it.</source>
        <translation>La vitesse au début d’une exécution&#xa0;; les vitesses et attentes du programme la changent encore.</translation>
    </message>
</context>
<context>
    <name>SymmetryDialog</name>
    <message>
        <source>Which Symmetry?</source>
        <translation>Quelle symétrie&#xa0;?</translation>
    </message>
    <message>
        <source>How many mirror images? (Level 0 to 4)</source>
        <translation>Combien d’images miroir&#xa0;? (niveau 0 à 4)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Outils</translation>
    </message>
    <message>
        <source>Pen width 2</source>
        <translation>Épaisseur du crayon 2</translation>
    </message>
    <message>
        <source>Pen width 4</source>
        <translation>Épaisseur du crayon 4</translation>
    </message>
    <message>
        <source>Pen width 8</source>
        <translation>Épaisseur du crayon 8</translation>
    </message>
    <message>
        <source>Pen width 16</source>
        <translation>Épaisseur du crayon 16</translation>
    </message>
    <message>
        <source>Pen width 32</source>
        <translation>Épaisseur du crayon 32</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>No symmetry</source>
        <translation>Sans symétrie</translation>
    </message>
    <message>
        <source>Symmetry 2</source>
        <translation>Symétrie 2</translation>
    </message>
    <message>
        <source>Symmetry 4</source>
        <translation>Symétrie 4</translation>
    </message>
    <message>
        <source>Symmetry 6</source>
        <translation>Symétrie 6</translation>
    </message>
    <message>
        <source>Symmetry 8</source>
        <translation>Symétrie 8</translation>
    </message>
</context>
<context>
    <name>VariablesWindow</name>
    <message>
        <source>Variables of %1</source>
        <translation>Variables&#xa0;: %1</translation>
    </message>
    <message>
        <source>Variables</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Changed last</source>
        <translation>Modifiée en dernier</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>En cours…</translation>
    </message>
    <message>
        <source>The last run had no variables.</source>
        <translation>La dernière exécution n’avait pas de variables.</translation>
    </message>
    <message>
        <source>Values at the end of the last run.</source>
        <translation>Valeurs à la fin de la dernière exécution.</translation>
    </message>
</context>
</TS>
