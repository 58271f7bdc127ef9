<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CCheckNew</name>
    <message>
        <source>Check for New Version</source>
        <translation>Nach neuer Version suchen</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address to check for new versions.</source>
        <translation>Diese Kopie von Glimmerbox hat keine Adresse, unter der sie nach neuen Versionen suchen kann.</translation>
    </message>
    <message>
        <source>Could not check for a new version: %1</source>
        <translation>Die Suche nach einer neuen Version ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Could not check for a new version: the answer was not understood.</source>
        <translation>Die Suche nach einer neuen Version ist fehlgeschlagen: Die Antwort war unverständlich.</translation>
    </message>
    <message>
        <source>A new version of Glimmerbox is available: %1.</source>
        <translation>Eine neue Version von Glimmerbox ist verfügbar: %1.</translation>
    </message>
    <message>
        <source>Download it now</source>
        <translation>Jetzt herunterladen</translation>
    </message>
    <message>
        <source>You are using the latest version of Glimmerbox.</source>
        <translation>Sie verwenden die neueste Version von Glimmerbox.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>Filter „%1“ wird angewendet</translation>
    </message>
    <message>
        <source>Zooming</source>
        <translation>Zoomen</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>About Glimmerbox</source>
        <translation>Über Glimmerbox</translation>
    </message>
    <message>
        <source>Copyright %1 Tarn&amp;Willow</source>
        <translation>Copyright %1 Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <source>Select Filter</source>
        <translation>Filter auswählen</translation>
    </message>
    <message>
        <source>All Filters</source>
        <translation>Alle Filter</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Decorate</source>
        <translation>Dekoration</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>Kein Filter ausgewählt</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <source>Download GhostScript</source>
        <translation>Ghostscript herunterladen</translation>
    </message>
    <message>
        <source>Reading EPS and PDF documents needs Ghostscript.</source>
        <translation>Zum Lesen von EPS- und PDF-Dokumenten wird Ghostscript benötigt.</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Ja, alle</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>Nein, keine</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>Das Foto %1
ist bereits vorhanden. Möchten Sie es überschreiben?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Neuer Dateiname:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <source>Select Profile</source>
        <translation>Profil auswählen</translation>
    </message>
    <message>
        <source>Choose a profile to start from; its filters and settings replace those of the current job, the photos stay.</source>
        <translation>Wählen Sie ein Profil als Ausgangspunkt: Seine Filter und Einstellungen ersetzen die des aktuellen Auftrags, die Fotos bleiben.</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <source>Custom Renaming</source>
        <translation>Eigene Umbenennung</translation>
    </message>
    <message>
        <source>File Name Pattern</source>
        <translation>Dateinamenmuster</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Beginnen bei</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Restart in every folder</source>
        <translation>In jedem Ordner neu beginnen</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Date of</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>With seconds</source>
        <translation>Mit Sekunden</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Lower-case extension</source>
        <translation>Endung in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Search and Replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Current date and time</source>
        <translation>Aktuelles Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>12-hour clock (AM/PM)</source>
        <translation>12-Stunden-Format (AM/PM)</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>24-Stunden-Format</translation>
    </message>
    <message>
        <source>No time</source>
        <translation>Ohne Uhrzeit</translation>
    </message>
    <message>
        <source>Keep unchanged</source>
        <translation>Unverändert lassen</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>Capitalize Each Word</source>
        <translation>Wortanfänge Groß</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <source>Would you like to save your settings as a profile before closing?</source>
        <translation>Möchten Sie Ihre Einstellungen vor dem Schließen als Profil speichern?</translation>
    </message>
    <message>
        <source>Don&apos;t ask me again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <source>Search &amp; Add Photos</source>
        <translation>Fotos suchen &amp; hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Dateinamen:</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>&amp;Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <source>Enjoying Glimmerbox? Tell your friends about it and follow us for news, tips and new versions.</source>
        <translation>Gefällt Ihnen Glimmerbox? Erzählen Sie Ihren Freunden davon und folgen Sie uns für Neuigkeiten, Tipps und neue Versionen.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Don&apos;t show this tip again</source>
        <translation>Diesen Tipp nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>CDialogUnsupportedFormat</name>
    <message>
        <source>Unsupported Files</source>
        <translation>Nicht unterstützte Dateien</translation>
    </message>
    <message>
        <source>These files were not added because their format is not supported:</source>
        <translation>Diese Dateien wurden nicht hinzugefügt, weil ihr Format nicht unterstützt wird:</translation>
    </message>
</context>
<context>
    <name>CEmail</name>
    <message>
        <source>The e-mail message could not be written: the temporary folder %1 cannot be used.</source>
        <translation>Die E-Mail-Nachricht konnte nicht geschrieben werden: Der temporäre Ordner %1 ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>The e-mail message %1 could not be written: %2.</source>
        <translation>Die E-Mail-Nachricht %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The e-mail message could not be written: every name in %1 is taken.</source>
        <translation>Die E-Mail-Nachricht konnte nicht geschrieben werden: Alle Namen in %1 sind vergeben.</translation>
    </message>
    <message>
        <source>The e-mail message could not be composed: %1 could not be read.</source>
        <translation>Die E-Mail-Nachricht konnte nicht erstellt werden: %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The mail program could not be opened for %1.</source>
        <translation>Das E-Mail-Programm konnte für %1 nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CFilterBlank</name>
    <message>
        <source>There are no settings for this filter</source>
        <translation>Dieser Filter hat keine Einstellungen</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Maße</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
</context>
<context>
    <name>CFilterCustomMask</name>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Rotate mask for portrait images</source>
        <translation>Maske bei Hochformat drehen</translation>
    </message>
    <message>
        <source>Use a different mask for portrait images</source>
        <translation>Eigene Maske für Hochformat</translation>
    </message>
    <message>
        <source>Portrait Mask</source>
        <translation>Maske für Hochformat</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
    <message>
        <source>Select Mask</source>
        <translation>Maske auswählen</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen verwenden</translation>
    </message>
</context>
<context>
    <name>CFilterLogo</name>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Logo Path</source>
        <translation>Logo-Pfad</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Delta X (px)</source>
        <translation>Delta X (px)</translation>
    </message>
    <message>
        <source>Delta Y (px)</source>
        <translation>Delta Y (px)</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>Versatz X</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Versatz Y</translation>
    </message>
    <message>
        <source>Transformation</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
    <message>
        <source>Scale (%)</source>
        <translation>Größe (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Unschärfe</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>Kontur zeichnen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>Schatten zeichnen</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanz</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>Wasserzeichenbild auswählen</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen verwenden</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Vertieft</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Erhaben</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Maße</translation>
    </message>
    <message>
        <source>Resize by</source>
        <translation>Ändern nach</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>Kleinere Fotos nicht auf die
angegebene Größe vergrößern</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
    <message>
        <source>Width &amp; Height</source>
        <translation>Breite &amp; Höhe</translation>
    </message>
    <message>
        <source>Fixed Width</source>
        <translation>Feste Breite</translation>
    </message>
    <message>
        <source>Fixed Height</source>
        <translation>Feste Höhe</translation>
    </message>
    <message>
        <source>Fixed Width &amp; Height</source>
        <translation>Breite &amp; Höhe fix</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>90° links</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>90° rechts</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>All Photos</source>
        <translation>Alle Fotos</translation>
    </message>
    <message>
        <source>Only Portrait</source>
        <translation>Nur Hochformat</translation>
    </message>
    <message>
        <source>Only Landscape</source>
        <translation>Nur Querformat</translation>
    </message>
</context>
<context>
    <name>CFilterSettings</name>
    <message>
        <source>&amp;Show preview</source>
        <translation>&amp;Vorschau zeigen</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>&amp;Umschalten</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>CFilterShadow</name>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Draw over a white background</source>
        <translation>Auf weißem Hintergrund</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>Kanten</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen verwenden</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Scharf</translation>
    </message>
    <message>
        <source>Blurred</source>
        <translation>Weich</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Maße</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Use uniform dimensions</source>
        <translation>Gleiche Breite für alle Seiten</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Copyright [Copyright] Tarn&amp;Willow</source>
        <translation>Copyright [Copyright] Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Add Keyword</source>
        <translation>Feld einfügen</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Delta X (px)</source>
        <translation>Delta X (px)</translation>
    </message>
    <message>
        <source>Delta Y (px)</source>
        <translation>Delta Y (px)</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>Versatz X</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Versatz Y</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
    <message>
        <source>Line spacing (px)</source>
        <translation>Abstand der Zeilen (px)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Unschärfe</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>Kontur zeichnen</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Kasten</translation>
    </message>
    <message>
        <source>Draw Bounding-Box</source>
        <translation>Kasten zeichnen</translation>
    </message>
    <message>
        <source>Offset (%)</source>
        <translation>Abstand (%)</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>Schatten zeichnen</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanz</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>Wasserzeichenbild auswählen</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Eingetragene Marke</translation>
    </message>
    <message>
        <source>Trademark</source>
        <translation>Warenzeichen</translation>
    </message>
    <message>
        <source>Servicemark</source>
        <translation>Dienstleistungsmarke</translation>
    </message>
    <message>
        <source>Source Filename</source>
        <translation>Quelldateiname</translation>
    </message>
    <message>
        <source>Source Extension</source>
        <translation>Quelldateiendung</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>Source Path</source>
        <translation>Quellpfad</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Urheber</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Maße</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Camera Maker</source>
        <translation>Kamerahersteller</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Kameramodell</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Focal Length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen verwenden</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Photos whose own format cannot be written are saved in this format</source>
        <translation>Fotos, deren eigenes Format nicht geschrieben werden kann, werden in diesem Format gespeichert</translation>
    </message>
    <message>
        <source>Other formats as</source>
        <translation>Andere Formate als</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>True colour (RGB)</source>
        <translation>Echtfarben (RGB)</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMYK</translation>
    </message>
    <message>
        <source>Custom colour profile</source>
        <translation>Eigenes Farbprofil</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Komprimierung</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>LZW</source>
        <translation>LZW</translation>
    </message>
    <message>
        <source>RLE</source>
        <translation>RLE</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>Best compression</source>
        <translation>Beste Komprimierung</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>True colour with transparency</source>
        <translation>Echtfarben mit Transparenz</translation>
    </message>
    <message>
        <source>Fax (Group 3)</source>
        <translation>Fax (Gruppe 3)</translation>
    </message>
    <message>
        <source>Fax (Group 4)</source>
        <translation>Fax (Gruppe 4)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Limit the file size to</source>
        <translation>Dateigröße begrenzen auf</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Interlacing</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Use the sRGB profile</source>
        <translation>sRGB-Profil verwenden</translation>
    </message>
    <message>
        <source>Colour profile</source>
        <translation>Farbprofil</translation>
    </message>
    <message>
        <source>Select a colour profile</source>
        <translation>Farbprofil auswählen</translation>
    </message>
    <message>
        <source>Colour profiles (*.icc *.icm *.ICC *.ICM)</source>
        <translation>Farbprofile (*.icc *.icm *.ICC *.ICM)</translation>
    </message>
</context>
<context>
    <name>CImageManager</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file holds no image that can be read</source>
        <translation>die Datei enthält kein lesbares Bild</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Left-Top</source>
        <translation>Links oben</translation>
    </message>
    <message>
        <source>Right-Top</source>
        <translation>Rechts oben</translation>
    </message>
    <message>
        <source>Right-Bottom</source>
        <translation>Rechts unten</translation>
    </message>
    <message>
        <source>Left-Bottom</source>
        <translation>Links unten</translation>
    </message>
    <message>
        <source>Uncalibrated</source>
        <translation>Nicht kalibriert</translation>
    </message>
</context>
<context>
    <name>CListThumbDetails</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Maße</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbraum</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>CMagickRuntime</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>%1 in %2 frames</source>
        <translation>%1 in %2 Einzelbildern</translation>
    </message>
    <message>
        <source>%1 is more than one photo may have here (%2 megapixels).</source>
        <translation>%1 ist mehr, als ein Foto hier haben darf (%2 Megapixel).</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <source>&amp;Add Photos</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>A&amp;dd...</source>
        <translation>Aus &amp;Ordner...</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Show preview</source>
        <translation>&amp;Vorschau zeigen</translation>
    </message>
    <message>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>Fotos per Drag &amp; Drop hier ablegen</translation>
    </message>
    <message>
        <source>Or Click To Add Photos</source>
        <translation>Oder klicken, um Fotos hinzuzufügen</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>F&amp;older with Subfolders</source>
        <translation>Ordner mit &amp;Unterordnern</translation>
    </message>
    <message>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>&amp;Suchen &amp;&amp; hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>&amp;Ausgewählte</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <source>&amp;Medium Icons</source>
        <translation>&amp;Mittlere Symbole</translation>
    </message>
    <message>
        <source>&amp;Large Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>Add &amp;Photo(s)</source>
        <translation>&amp;Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove S&amp;elected</source>
        <translation>Ausgewählte &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove &amp;All</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <source>Select Photo(s)</source>
        <translation>Fotos auswählen</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>Keine Fotos ausgewählt</translation>
    </message>
    <message>
        <source>Remove selected photo(s) from the list?</source>
        <translation>Ausgewählte Fotos aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Remove all photos from the list?</source>
        <translation>Alle Fotos aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Add the photos you want to edit</source>
        <translation>Fotos hier hinzufügen</translation>
    </message>
    <message>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>Weiter in Schritt 2: Filter wählen</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>These files and folders were not added because their names are not valid UTF-8:</source>
        <translation>Diese Dateien und Ordner wurden nicht hinzugefügt, weil ihre Namen kein gültiges UTF-8 sind:</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <source>Add Filter</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Sh&amp;ow preview</source>
        <translation>&amp;Vorschau zeigen</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>&amp;Umschalten</translation>
    </message>
    <message>
        <source>Keep Unchanged</source>
        <translation>Unverändert lassen</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Nach Ordnername</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Nach Aufnahmedatum</translation>
    </message>
    <message>
        <source>Custom Defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>Kein Filter ausgewählt</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Ausgewählte entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Remove selected filter(s)?</source>
        <translation>Ausgewählte Filter entfernen?</translation>
    </message>
    <message>
        <source>Remove all filters?</source>
        <translation>Alle Filter entfernen?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add Filter</source>
        <translation>Filter &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Remove &amp;Selected</source>
        <translation>&amp;Ausgewählte entfernen</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>Fügen Sie einen Filter hinzu, der auf alle Fotos aus Schritt 1 angewendet wird</translation>
    </message>
    <message>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>Wählen Sie in Schritt 3 Ausgabeordner und Format der bearbeiteten Fotos</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>S&amp;elect</source>
        <translation>A&amp;uswählen</translation>
    </message>
    <message>
        <source>Also save on My Computer</source>
        <translation>Auch auf diesem Computer speichern</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Use SFTP</source>
        <translation>SFTP verwenden</translation>
    </message>
    <message>
        <source>Recreate original folder structure in selected folder</source>
        <translation>Ursprüngliche Ordnerstruktur im ausgewählten Ordner nachbilden</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Zielformat</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>Ein einziges &amp;mehrseitiges Dokument aus allen Fotos erstellen (nur PDF, TIF, GIF)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Open output folder after processing</source>
        <translation>Ausgabeordner nach der Verarbeitung &amp;öffnen</translation>
    </message>
    <message>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>Datum und Attribute der Ausgabefotos vom Original &amp;übernehmen</translation>
    </message>
    <message>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>Quellfoto nach der Verarbeitung &amp;löschen (Foto verschieben)</translation>
    </message>
    <message>
        <source>Folder on My Computer (default)</source>
        <translation>Ordner auf diesem Computer (Standard)</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <source>Upload to FTP</source>
        <translation>Per FTP hochladen</translation>
    </message>
    <message>
        <source>Use selected folder as output destination</source>
        <translation>Ausgewählten Ordner als Ziel verwenden</translation>
    </message>
    <message>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>Ordner der Originalfotos als Ziel verwenden</translation>
    </message>
    <message>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>Unterordner im Ordner der Originalfotos anlegen</translation>
    </message>
    <message>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>Sie haben eingestellt, dass die fertigen Fotos in den Ordner der Originale geschrieben werden.

Wenn Sie die Originale behalten und die fertigen Fotos trotzdem in diesen Ordner schreiben möchten, ändern Sie den Namen der bearbeiteten Fotos unter Schritt 2 &gt; Namen.</translation>
    </message>
    <message>
        <source>Select a folder for saving the resulting photos</source>
        <translation>Ordner zum Speichern der fertigen Fotos auswählen</translation>
    </message>
    <message>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.

This action will only delete the originals if the processed photos are correctly written.

In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss.</source>
        <translation>Sie haben eingestellt, dass die Originalfotos nach dem Schreiben der bearbeiteten Fotos gelöscht werden. Wir empfehlen, die Originale zu sichern, bevor Sie diese Option zum ersten Mal verwenden.

Die Originale werden nur gelöscht, wenn die bearbeiteten Fotos fehlerfrei geschrieben wurden.

Sind keine Filter ausgewählt, werden die Fotos nur sehr schnell verschoben und gegebenenfalls umbenannt, ohne Qualitätsverlust.</translation>
    </message>
    <message>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>Wenn Sie so weit sind, wenden Sie die Änderungen auf Ihre Fotos an</translation>
    </message>
</context>
<context>
    <name>COutputPaths</name>
    <message>
        <source>The sub-folder name &quot;%1&quot; is not usable: it must lie inside each photo&apos;s folder, so it may neither start with &quot;/&quot; nor hold &quot;..&quot;.</source>
        <translation>Der Unterordnername „%1“ ist nicht verwendbar: Der Unterordner muss im Ordner des jeweiligen Fotos liegen, darf also weder mit „/“ beginnen noch „..“ enthalten.</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>Glimmerbox - Processing</source>
        <translation>Glimmerbox - Verarbeitung</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>%1 Fotos werden mit %2 Filter(n) pro Foto verarbeitet.</translation>
    </message>
    <message>
        <source>Creating a single multi-page document.</source>
        <translation>Ein einziges mehrseitiges Dokument wird erstellt.</translation>
    </message>
    <message>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>System: %1 Prozessorkern(e) erkannt.</translation>
    </message>
    <message>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>%1 Verarbeitungsthread(s) werden gestartet.</translation>
    </message>
    <message>
        <source>Unknown destination %1: the photos are saved to the folder.</source>
        <translation>Unbekanntes Ziel %1: Die Fotos werden im Ordner gespeichert.</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>Fehler beim Laden von</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>Die Verarbeitung der Fotos ist nicht abgeschlossen. Vorgang abbrechen?</translation>
    </message>
    <message>
        <source>Upload not completed. Abort the operation?</source>
        <translation>Das Hochladen ist nicht abgeschlossen. Vorgang abbrechen?</translation>
    </message>
    <message>
        <source>Process interrupted by the user.</source>
        <translation>Verarbeitung vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>Warnung: Verarbeitung mit %1 Fehlern abgeschlossen. Einzelheiten stehen im Protokoll oben.</translation>
    </message>
    <message>
        <source>Process completed without errors.</source>
        <translation>Verarbeitung ohne Fehler abgeschlossen.</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors and %2 warning(s). For details see the log above.</source>
        <translation>Warnung: Verarbeitung mit %1 Fehlern und %2 Warnung(en) abgeschlossen. Einzelheiten stehen im Protokoll oben.</translation>
    </message>
    <message>
        <source>Warning: Process completed without errors, with %1 warning(s). For details see the log above.</source>
        <translation>Warnung: Verarbeitung ohne Fehler, aber mit %1 Warnung(en) abgeschlossen. Einzelheiten stehen im Protokoll oben.</translation>
    </message>
    <message>
        <source>Uploading to </source>
        <translation>Hochladen nach </translation>
    </message>
    <message>
        <source>the e-mail message was not handed to the mail program: %1</source>
        <translation>die E-Mail-Nachricht wurde nicht an das E-Mail-Programm übergeben: %1</translation>
    </message>
    <message>
        <source>The source photos were not deleted: the delivery did not complete.</source>
        <translation>Die Quellfotos wurden nicht gelöscht: Die Zustellung wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>the upload to %1 did not complete: %2</source>
        <translation>das Hochladen nach %1 wurde nicht abgeschlossen: %2</translation>
    </message>
    <message>
        <source>Successfully uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>%1 Foto(s) erfolgreich hochgeladen.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Deleting temporary files...</source>
        <translation>Temporäre Dateien werden gelöscht...</translation>
    </message>
    <message>
        <source>Upload failed.</source>
        <translation>Hochladen fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Upload completed.</source>
        <translation>Hochladen abgeschlossen.</translation>
    </message>
    <message>
        <source>Could not save log.</source>
        <translation>Das Protokoll konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Warning: the name is not valid UTF-8, left out:</source>
        <translation>Warnung: Der Name ist kein gültiges UTF-8, ausgelassen:</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Failed to write</source>
        <translation>Fehler beim Schreiben von</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>Fehler beim Laden von</translation>
    </message>
    <message>
        <source>Failed to Rename and Move</source>
        <translation>Fehler beim Umbenennen und Verschieben von</translation>
    </message>
    <message>
        <source>Failed to Rename and Copy</source>
        <translation>Fehler beim Umbenennen und Kopieren von</translation>
    </message>
    <message>
        <source>Failed to Move</source>
        <translation>Fehler beim Verschieben von</translation>
    </message>
    <message>
        <source>Failed to Copy</source>
        <translation>Fehler beim Kopieren von</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1), source kept:</source>
        <translation>Warnung: beschädigtes Foto (%1), Quelle behalten:</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1):</source>
        <translation>Warnung: beschädigtes Foto (%1):</translation>
    </message>
    <message>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>Fehler beim Anwenden des Filters „%1“ auf</translation>
    </message>
    <message>
        <source>Warning: %1 KB written, above the fixed size of %2 KB:</source>
        <translation>Warnung: %1 KB geschrieben, mehr als die feste Größe von %2 KB:</translation>
    </message>
    <message>
        <source>Processed</source>
        <translation>Verarbeitet</translation>
    </message>
    <message>
        <source>Processed and renamed</source>
        <translation>Verarbeitet und umbenannt</translation>
    </message>
    <message>
        <source>Processed and replaced</source>
        <translation>Verarbeitet und ersetzt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>The output %1 lies outside its destination folder %2.</source>
        <translation>Die Ausgabe %1 liegt außerhalb ihres Zielordners %2.</translation>
    </message>
    <message>
        <source>Warning: the source photos are kept, they are the pages of</source>
        <translation>Warnung: Die Quellfotos bleiben erhalten, sie sind die Seiten von</translation>
    </message>
    <message>
        <source>Warning: the source could not be deleted (%1):</source>
        <translation>Warnung: Die Quelle konnte nicht gelöscht werden (%1):</translation>
    </message>
    <message>
        <source>Warning: the source changed during the run and was kept:</source>
        <translation>Warnung: Die Quelle hat sich während des Laufs geändert und wurde behalten:</translation>
    </message>
    <message>
        <source>the temporary folder %1 could not be made: %2</source>
        <translation>der temporäre Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1), source kept:</source>
        <translation>Warnung: beschädigte Metadaten weggelassen (%1), Quelle behalten:</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1):</source>
        <translation>Warnung: beschädigte Metadaten weggelassen (%1):</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Show profiles window at startup</source>
        <translation>Profilfenster beim Start anzeigen</translation>
    </message>
    <message>
        <source>Show wizard window at startup</source>
        <translation>Assistenten beim Start anzeigen</translation>
    </message>
    <message>
        <source>Check for new versions automatically</source>
        <translation>Automatisch nach neuen Versionen suchen</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Check:</source>
        <translation>Häufigkeit:</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeitung</translation>
    </message>
    <message>
        <source>Use all the processor&apos;s cores</source>
        <translation>Alle Prozessorkerne verwenden</translation>
    </message>
    <message>
        <source>Write the processing log</source>
        <translation>Verarbeitungsprotokoll schreiben</translation>
    </message>
    <message>
        <source>Edit and write every page</source>
        <translation>Jede Seite bearbeiten und schreiben</translation>
    </message>
    <message>
        <source>Flatten the pages into one photo</source>
        <translation>Seiten zu einem Foto zusammenfügen</translation>
    </message>
    <message>
        <source>Edit and write the first page only</source>
        <translation>Nur die erste Seite bearbeiten und schreiben</translation>
    </message>
    <message>
        <source>Multi-page files:</source>
        <translation>Mehrseitige Dateien:</translation>
    </message>
    <message>
        <source>RAW photos</source>
        <translation>RAW-Fotos</translation>
    </message>
    <message>
        <source>As shot by the camera</source>
        <translation>Wie Aufnahme</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>White balance:</source>
        <translation>Weißabgleich:</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Abschneiden</translation>
    </message>
    <message>
        <source>Unclip</source>
        <translation>Nicht abschneiden</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Rekonstruieren</translation>
    </message>
    <message>
        <source>Highlights:</source>
        <translation>Spitzlichter:</translation>
    </message>
    <message>
        <source>Decoder&apos;s choice</source>
        <translation>Wahl des Decoders</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>VNG</source>
        <translation>VNG</translation>
    </message>
    <message>
        <source>PPG</source>
        <translation>PPG</translation>
    </message>
    <message>
        <source>AHD</source>
        <translation>AHD</translation>
    </message>
    <message>
        <source>Interpolation:</source>
        <translation>Interpolation:</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>Starten Sie Glimmerbox neu, damit die Änderungen wirksam werden.</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>The written files are kept in %1</source>
        <translation>Die geschriebenen Dateien bleiben in %1 erhalten</translation>
    </message>
    <message>
        <source>E-mail message handed to the mail program: %1</source>
        <translation>E-Mail-Nachricht an das E-Mail-Programm übergeben: %1</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Files attached successfuly. We advise deleting the temporary files that Glimmerbox may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>Die Dateien wurden angehängt. Wir empfehlen, die temporären Dateien zu löschen, die Glimmerbox dabei eventuell angelegt hat (tun Sie das erst, nachdem Sie Ihre E-Mail gesendet haben). Temporäre Dateien jetzt löschen?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not open default mail client.</source>
        <translation>Das Standard-E-Mail-Programm konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The upload was stopped.</source>
        <translation>Das Hochladen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No transfer could be set up.</source>
        <translation>Es konnte keine Übertragung eingerichtet werden.</translation>
    </message>
    <message>
        <source>The user name or the password holds a line break, which the FTP server would take for a command of its own: nothing was sent.</source>
        <translation>Der Benutzername oder das Passwort enthält einen Zeilenumbruch, den der FTP-Server als eigenen Befehl lesen würde: Es wurde nichts gesendet.</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <source>Welcome to Glimmerbox!</source>
        <translation>Willkommen bei Glimmerbox!</translation>
    </message>
    <message>
        <source>Glimmerbox&apos;s interface is designed as a three-step wizard, so you just need to follow the predefined steps in order to edit your photos!</source>
        <translation>Glimmerbox ist als Assistent in drei Schritten aufgebaut: Folgen Sie einfach den vorgegebenen Schritten, um Ihre Fotos zu bearbeiten!</translation>
    </message>
    <message>
        <source>To get help press the F1 key anywhere in the interface for a detailed description of the settings.

Press &apos;Next&apos; to see the tutorials.</source>
        <translation>Drücken Sie an beliebiger Stelle die Taste F1, um eine ausführliche Beschreibung der Einstellungen zu erhalten.

Klicken Sie auf „Weiter“, um die Anleitungen zu sehen.</translation>
    </message>
    <message>
        <source>Don&apos;t show this wizard again</source>
        <translation>Diesen Assistenten nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>For a more in-depth, hands-on experience we recommend the following tutorial:</source>
        <translation>Für einen ausführlicheren, praktischen Einstieg empfehlen wir diese Anleitung:</translation>
    </message>
    <message>
        <source>Tutorial - How to Resize and Rotate</source>
        <translation>Anleitung - Größe ändern und drehen</translation>
    </message>
</context>
<context>
    <name>FilterBounds</name>
    <message>
        <source>border width</source>
        <translation>Randbreite</translation>
    </message>
    <message>
        <source>strip height</source>
        <translation>Streifenhöhe</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>stroke width</source>
        <translation>Konturbreite</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>sigma</source>
        <translation>Sigma</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is beyond its limit of %4.</source>
        <translation>Filter „%1“: %2 %3 überschreitet die Grenze von %4.</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s result of %2</source>
        <translation>Das Ergebnis des Filters „%1“ mit %2</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is too small to resize to.</source>
        <translation>Filter „%1“: %2 %3 ist zu klein für eine Größenänderung.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>This copy of Glimmerbox has no address for its help pages.</source>
        <translation>Diese Kopie von Glimmerbox hat keine Adresse für ihre Hilfeseiten.</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address for its web site.</source>
        <translation>Diese Kopie von Glimmerbox hat keine Adresse für ihre Website.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Glimmerbox</source>
        <translation>Glimmerbox</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Wi&amp;zard</source>
        <translation>Assis&amp;tent</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Tutorials</source>
        <translation>&amp;Anleitungen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Load Profile</source>
        <translation>Profil &amp;laden</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Profil speichern unter</translation>
    </message>
    <message>
        <source>Save Script</source>
        <translation>Skript speichern</translation>
    </message>
    <message>
        <source>Save Script As</source>
        <translation>Skript speichern unter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Show &amp;Log</source>
        <translation>&amp;Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Select Pr&amp;ofile</source>
        <translation>Pr&amp;ofil auswählen</translation>
    </message>
    <message>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Schritt 1 - &amp;Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Schritt 2 - Fotos &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Step 3 - &amp;Setup</source>
        <translation>Schritt 3 - &amp;Einrichten</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Verarbeiten</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Help Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>Fotos in der &amp;Größe ändern und drehen</translation>
    </message>
    <message>
        <source>Check for &amp;New Version</source>
        <translation>Nach &amp;neuer Version suchen</translation>
    </message>
    <message>
        <source>&amp;Online Support</source>
        <translation>&amp;Online-Support</translation>
    </message>
    <message>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Us</source>
        <translation>&amp;Über uns</translation>
    </message>
    <message>
        <source>Save Project &amp;As</source>
        <translation>Projekt speichern &amp;unter</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Load Project</source>
        <translation>Projekt &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>Projekt &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Video Presentations</source>
        <translation>&amp;Videopräsentationen</translation>
    </message>
    <message>
        <source>How to &amp;Add Comments and Time to Photos</source>
        <translation>&amp;Kommentare und Uhrzeit zu Fotos hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Wizard Steps</source>
        <translation>&amp;Assistentenschritte</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;Italiano</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;Japanese</source>
        <translation>&amp;Japanisch</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>Starten Sie Glimmerbox neu, damit die Änderungen wirksam werden.</translation>
    </message>
    <message>
        <source>Wizard Steps</source>
        <translation>Assistentenschritte</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Edit Photos</source>
        <translation>Fotos bearbeiten</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Schritt 1 - Fügen Sie alle Fotos hinzu, die Sie bearbeiten möchten</translation>
    </message>
    <message>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Schritt 2 - Legen Sie die Filter fest, die auf alle ausgewählten Fotos angewendet werden</translation>
    </message>
    <message>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Schritt 3 - Wählen Sie Ausgabeordner und Format der bearbeiteten Fotos</translation>
    </message>
    <message>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Wenn Sie so weit sind, klicken Sie auf Verarbeiten, um alle Fotos zu bearbeiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>Fügen Sie jetzt einfach Ihre Fotos in Schritt 1 hinzu und passen Sie bei Bedarf die Einstellungen in Schritt 2 und Schritt 3 an.

Klicken Sie danach auf Verarbeiten.</translation>
    </message>
    <message>
        <source>Could not load profile.</source>
        <translation>Das Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Could not load script.</source>
        <translation>Das Skript konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>There are no photos to process.</source>
        <translation>Es gibt keine Fotos zu verarbeiten.</translation>
    </message>
    <message>
        <source>Ready to process %1 photos?</source>
        <translation>Bereit, %1 Fotos zu verarbeiten?</translation>
    </message>
    <message>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>Vor der Verarbeitung muss ein Ausgabeordner für die bearbeiteten Fotos ausgewählt werden (Schritt 3 &gt; Ziel &gt; Ordner auf diesem Computer)</translation>
    </message>
    <message>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>Der ausgewählte Ordner existiert nicht. Möchten Sie ihn jetzt anlegen?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>Sie haben eingestellt, dass die Quellfotos nach dem Schreiben der bearbeiteten Fotos gelöscht werden. Fortfahren?</translation>
    </message>
    <message>
        <source>Could not save profile.</source>
        <translation>Das Profil konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Do you want to disable all notifications when running the script?</source>
        <translation>Möchten Sie beim Ausführen des Skripts alle Benachrichtigungen abschalten?</translation>
    </message>
    <message>
        <source>Could not save script.</source>
        <translation>Das Skript konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Would you like to save your settings?</source>
        <translation>Möchten Sie Ihre Einstellungen speichern?</translation>
    </message>
    <message>
        <source>Your settings will be discarded. Continue?</source>
        <translation>Ihre Einstellungen werden verworfen. Fortfahren?</translation>
    </message>
    <message>
        <source>The log file will be created after the first processing session.</source>
        <translation>Die Protokolldatei wird nach der ersten Verarbeitung angelegt.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Marks</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Dekoration</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Shape Frame</source>
        <translation>Formrahmen</translation>
    </message>
    <message>
        <source>Grunge Frame</source>
        <translation>Grunge-Rahmen</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Bilderrahmen</translation>
    </message>
    <message>
        <source>Vintage Frame</source>
        <translation>Retro-Rahmen</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Relief</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Simple Border</source>
        <translation>Einfacher Rand</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Autom. drehen</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>Beschriftet mit einem ein- oder mehrzeiligen Text</translation>
    </message>
    <message>
        <source>Stamps picture with date and time information</source>
        <translation>Stempelt Datum und Uhrzeit auf das Foto</translation>
    </message>
    <message>
        <source>Adds a text copyright notice</source>
        <translation>Fügt einen Copyright-Vermerk als Text hinzu</translation>
    </message>
    <message>
        <source>Adds a copyright logo</source>
        <translation>Fügt ein Copyright-Logo hinzu</translation>
    </message>
    <message>
        <source>Adds a simple shaped frame</source>
        <translation>Fügt einen einfachen Formrahmen hinzu</translation>
    </message>
    <message>
        <source>Adds a grunge frame</source>
        <translation>Fügt einen Grunge-Rahmen hinzu</translation>
    </message>
    <message>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>Fügt unterschiedliche Masken für Hoch- und Querformatfotos hinzu</translation>
    </message>
    <message>
        <source>Adds a classic picture frame</source>
        <translation>Fügt einen klassischen Bilderrahmen hinzu</translation>
    </message>
    <message>
        <source>Adds a vintage frame</source>
        <translation>Fügt einen Retro-Rahmen hinzu</translation>
    </message>
    <message>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>Erzeugt einen Rahmen wie bei einem Sofortbild</translation>
    </message>
    <message>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>Hellt die Ränder des Fotos auf oder dunkelt sie ab, für einen erhabenen oder vertieften 3D-Effekt</translation>
    </message>
    <message>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>Versieht das Foto mit einem Schatten an den Rändern</translation>
    </message>
    <message>
        <source>Adds a simple border around the picture</source>
        <translation>Fügt einen einfachen Rand um das Foto hinzu</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance</source>
        <translation>Lässt das Foto verschwommen wirken</translation>
    </message>
    <message>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>Verwandelt das Foto in eine Kohlezeichnung</translation>
    </message>
    <message>
        <source>Highlights edges in picture</source>
        <translation>Hebt die Kanten im Foto hervor</translation>
    </message>
    <message>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>Hebt die Kanten im Foto mit einem 3D-Effekt hervor</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>Lässt das Foto mit dem Gaußschen Weichzeichner verschwommen wirken</translation>
    </message>
    <message>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>Wandelt Echtfarben in Graustufen um</translation>
    </message>
    <message>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>Erzeugt einen Implosionseffekt in der Mitte des Fotos</translation>
    </message>
    <message>
        <source>Replaces every pixel with its complementary color</source>
        <translation>Ersetzt jedes Pixel durch seine Komplementärfarbe</translation>
    </message>
    <message>
        <source>Adds noise to picture</source>
        <translation>Fügt dem Foto Rauschen hinzu</translation>
    </message>
    <message>
        <source>Makes picture look like an oil painting</source>
        <translation>Lässt das Foto wie ein Ölgemälde aussehen</translation>
    </message>
    <message>
        <source>Makes picture look older, in warmer colors</source>
        <translation>Lässt das Foto älter und in wärmeren Farben wirken</translation>
    </message>
    <message>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>Lässt das Foto aussehen, als wäre der Film bei der Entwicklung belichtet worden</translation>
    </message>
    <message>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>Lässt das Foto wie eine Skulptur in Graustufen oder Echtfarben aussehen</translation>
    </message>
    <message>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>Macht das Foto unscharf, indem Pixel zufällig verteilt werden</translation>
    </message>
    <message>
        <source>Creates a twisting motion</source>
        <translation>Erzeugt eine Wirbelbewegung</translation>
    </message>
    <message>
        <source>Creates a horizontal wave effect</source>
        <translation>Erzeugt einen horizontalen Welleneffekt</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast</source>
        <translation>Passt den Kontrast automatisch an</translation>
    </message>
    <message>
        <source>Automatically adjusts gamma level</source>
        <translation>Passt den Gammawert automatisch an</translation>
    </message>
    <message>
        <source>Automatically adjusts color levels</source>
        <translation>Passt die Farbwerte automatisch an</translation>
    </message>
    <message>
        <source>Adjusts light intensity</source>
        <translation>Passt die Helligkeit an</translation>
    </message>
    <message>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>Verstärkt die Helligkeitsunterschiede zwischen hellen und dunklen Pixeln</translation>
    </message>
    <message>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>Passt die Farbkanäle Rot, Grün und Blau an</translation>
    </message>
    <message>
        <source>Applies a histogram equalization</source>
        <translation>Gleicht das Histogramm aus</translation>
    </message>
    <message>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>Korrigiert Farbton, Sättigung und Helligkeit</translation>
    </message>
    <message>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>Passt die Tonwerte an, indem die Farben zwischen dem angegebenen Weiß- und Schwarzpunkt auf den vollen Wertebereich gestreckt werden</translation>
    </message>
    <message>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>Verringert Rauschen durch schlechte Lichtverhältnisse oder Handykameras</translation>
    </message>
    <message>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>Schärft das Foto durch Verstärken des Kantenkontrasts</translation>
    </message>
    <message>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>Schärft das Foto mit den Optionen Radius und Schwellenwert</translation>
    </message>
    <message>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>Dreht Fotos automatisch anhand der Informationen, die die Kamera gespeichert hat</translation>
    </message>
    <message>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>Schneidet das Foto automatisch auf ein angegebenes Seitenverhältnis zu</translation>
    </message>
    <message>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>Ersetzt eine RGB-Farbe oder den Alphakanal</translation>
    </message>
    <message>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Schneidet einen rechteckigen Ausschnitt aus dem Foto</translation>
    </message>
    <message>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>Spiegelt das Foto vertikal und/oder horizontal</translation>
    </message>
    <message>
        <source>Adjusts image size using pixels or percents</source>
        <translation>Ändert die Größe des Fotos in Pixel oder Prozent</translation>
    </message>
    <message>
        <source>Adjusts document size and DPI resolution</source>
        <translation>Ändert die Dokumentgröße und die Auflösung in DPI</translation>
    </message>
    <message>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>Verschiebt das Foto zyklisch vertikal oder horizontal um eine angegebene Anzahl Pixel</translation>
    </message>
    <message>
        <source>Rotates by a specified number of degrees</source>
        <translation>Dreht um eine angegebene Gradzahl</translation>
    </message>
    <message>
        <source>Creates a small thumbnail from the picture</source>
        <translation>Erstellt eine kleine Miniatur des Fotos</translation>
    </message>
    <message>
        <source>Keep original image format (if possible)</source>
        <translation>Originalformat beibehalten (wenn möglich)</translation>
    </message>
    <message>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>Das Projekt wurde mit einer anderen Programmversion erstellt und wird möglicherweise nicht richtig importiert.
Um mögliche Probleme zu beheben, passen Sie die Einstellungen an und speichern Sie.</translation>
    </message>
    <message>
        <source>Auto Gamma</source>
        <translation>Auto-Gamma</translation>
    </message>
    <message>
        <source>Convert to JPEG with High Quality</source>
        <translation>JPEG, hohe Qualität</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>In das JPEG-Format mit hoher Qualität (90&#xa0;%) umwandeln, was größere Dateien ergibt.</translation>
    </message>
    <message>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>JPEG, mittlere Qualität</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>In das JPEG-Format mit mittlerer Qualität (75&#xa0;%) umwandeln, was mittelgroße Dateien ergibt.</translation>
    </message>
    <message>
        <source>Convert to PDF Album</source>
        <translation>Als PDF-Album</translation>
    </message>
    <message>
        <source>Create a single PDF album from all the photos added</source>
        <translation>Aus allen hinzugefügten Fotos ein einziges PDF-Album erstellen</translation>
    </message>
    <message>
        <source>Convert to PNG</source>
        <translation>In PNG umwandeln</translation>
    </message>
    <message>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>Für beste Qualität in das PNG-Format umwandeln.</translation>
    </message>
    <message>
        <source>Convert to TIFF</source>
        <translation>In TIFF umwandeln</translation>
    </message>
    <message>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>Für beste Qualität in das TIFF-Format umwandeln.</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Auto-Kontrast</translation>
    </message>
    <message>
        <source>Add Date and Time</source>
        <translation>Datum und Uhrzeit hinzufügen</translation>
    </message>
    <message>
        <source>Reduce Noise</source>
        <translation>Entrauschen</translation>
    </message>
    <message>
        <source>Adjust Sharpness</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>Effect Black &amp; White</source>
        <translation>Effekt Schwarz &amp; Weiß</translation>
    </message>
    <message>
        <source>Effect Charcoal</source>
        <translation>Effekt Kohlezeichnung</translation>
    </message>
    <message>
        <source>Effect Implode</source>
        <translation>Effekt Implosion</translation>
    </message>
    <message>
        <source>Effect Oil Painting</source>
        <translation>Effekt Ölgemälde</translation>
    </message>
    <message>
        <source>Effect Raise</source>
        <translation>Effekt Relief</translation>
    </message>
    <message>
        <source>Effect Sepia</source>
        <translation>Effekt Sepia</translation>
    </message>
    <message>
        <source>Effect Shade</source>
        <translation>Effekt Schattierung</translation>
    </message>
    <message>
        <source>Effect Spread</source>
        <translation>Effekt Streuung</translation>
    </message>
    <message>
        <source>Effect Swirl</source>
        <translation>Effekt Wirbel</translation>
    </message>
    <message>
        <source>Effect Wave</source>
        <translation>Effekt Welle</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Nach Ordnernamen umbenennen</translation>
    </message>
    <message>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>Wenn Fotos in einem Ordner mit aussagekräftigem Namen liegen, benennt dieses Profil alle darin enthaltenen Fotos nach dem Ordnernamen um</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Nach Aufnahmedatum umbenennen</translation>
    </message>
    <message>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>Benennt Fotos nach ihrem Aufnahmedatum um und fügt einen Zähler hinzu, um gleichzeitig aufgenommene Fotos zu unterscheiden</translation>
    </message>
    <message>
        <source>Resize for Auction Site</source>
        <translation>Größe für Auktionsseiten ändern</translation>
    </message>
    <message>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>Fotos stark verkleinern (400x300), zum Hochladen auf Auktionsseiten wie eBay</translation>
    </message>
    <message>
        <source>Resize for Sending via Email</source>
        <translation>Größe für den E-Mail-Versand ändern</translation>
    </message>
    <message>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>Fotos verkleinern (1280x960), zum Versenden als E-Mail-Anhang</translation>
    </message>
    <message>
        <source>Resize for Uploading Online</source>
        <translation>Größe zum Hochladen ins Internet ändern</translation>
    </message>
    <message>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Fotos verkleinern (1600x1200), zum Hochladen auf Seiten wie Facebook oder Picasa oder zum Teilen mit Freunden</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <source>Send photos via E-mail</source>
        <translation>Fotos per E-Mail senden</translation>
    </message>
    <message>
        <source>Upload to Twitpic</source>
        <translation>Auf Twitpic hochladen</translation>
    </message>
    <message>
        <source>Upload photos to Twitpic</source>
        <translation>Fotos auf Twitpic hochladen</translation>
    </message>
    <message>
        <source>Upload to Picasa</source>
        <translation>Auf Picasa hochladen</translation>
    </message>
    <message>
        <source>Upload photos to Picasa</source>
        <translation>Fotos auf Picasa hochladen</translation>
    </message>
    <message>
        <source>Upload to Facebook</source>
        <translation>Auf Facebook hochladen</translation>
    </message>
    <message>
        <source>Upload photos to Facebook</source>
        <translation>Fotos auf Facebook hochladen</translation>
    </message>
</context>
</TS>
