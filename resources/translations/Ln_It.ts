<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CCheckNew</name>
    <message>
        <source>Check for New Version</source>
        <translation>Cerca nuova versione</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address to check for new versions.</source>
        <translation>Questa copia di Glimmerbox non ha un indirizzo da cui cercare nuove versioni.</translation>
    </message>
    <message>
        <source>Could not check for a new version: %1</source>
        <translation>Impossibile cercare una nuova versione: %1</translation>
    </message>
    <message>
        <source>Could not check for a new version: the answer was not understood.</source>
        <translation>Impossibile cercare una nuova versione: la risposta non è stata compresa.</translation>
    </message>
    <message>
        <source>A new version of Glimmerbox is available: %1.</source>
        <translation>È disponibile una nuova versione di Glimmerbox: %1.</translation>
    </message>
    <message>
        <source>Download it now</source>
        <translation>Scaricala ora</translation>
    </message>
    <message>
        <source>You are using the latest version of Glimmerbox.</source>
        <translation>Stai usando l&apos;ultima versione di Glimmerbox.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>Applicazione del filtro &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Zooming</source>
        <translation>Zoom in corso</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>About Glimmerbox</source>
        <translation>Informazioni su Glimmerbox</translation>
    </message>
    <message>
        <source>Copyright %1 Tarn&amp;Willow</source>
        <translation>Copyright %1 Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <source>Select Filter</source>
        <translation>Seleziona filtro</translation>
    </message>
    <message>
        <source>All Filters</source>
        <translation>Tutti i filtri</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Decorate</source>
        <translation>Decora</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Trasforma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>Nessun filtro selezionato</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <source>Download GhostScript</source>
        <translation>Scarica GhostScript</translation>
    </message>
    <message>
        <source>Reading EPS and PDF documents needs Ghostscript.</source>
        <translation>Per leggere i documenti EPS e PDF serve Ghostscript.</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Sì a tutti</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>No a tutti</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>La foto %1
esiste già. Vuoi sovrascriverla?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Nuovo nome del file:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <source>Select Profile</source>
        <translation>Seleziona profilo</translation>
    </message>
    <message>
        <source>Choose a profile to start from; its filters and settings replace those of the current job, the photos stay.</source>
        <translation>Scegli un profilo da cui partire: i suoi filtri e le sue impostazioni sostituiscono quelli del lavoro attuale, le foto restano.</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <source>Custom Renaming</source>
        <translation>Rinomina personalizzata</translation>
    </message>
    <message>
        <source>File Name Pattern</source>
        <translation>Modello del nome file</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Inizia da</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Incremento</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <source>Restart in every folder</source>
        <translation>Ricomincia in ogni cartella</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Date of</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>With seconds</source>
        <translation>Con secondi</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Maiuscole e minuscole</translation>
    </message>
    <message>
        <source>Lower-case extension</source>
        <translation>Estensione in minuscolo</translation>
    </message>
    <message>
        <source>Search and Replace</source>
        <translation>Cerca e sostituisci</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Sostituisci con</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Esempio</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Data di scatto</translation>
    </message>
    <message>
        <source>Current date and time</source>
        <translation>Data e ora attuali</translation>
    </message>
    <message>
        <source>12-hour clock (AM/PM)</source>
        <translation>Formato 12 ore (AM/PM)</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>Formato 24 ore</translation>
    </message>
    <message>
        <source>No time</source>
        <translation>Senza ora</translation>
    </message>
    <message>
        <source>Keep unchanged</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>minuscolo</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>MAIUSCOLO</translation>
    </message>
    <message>
        <source>Capitalize Each Word</source>
        <translation>Iniziali Maiuscole</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <source>Would you like to save your settings as a profile before closing?</source>
        <translation>Vuoi salvare le impostazioni come profilo prima di chiudere?</translation>
    </message>
    <message>
        <source>Don&apos;t ask me again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <source>Search &amp; Add Photos</source>
        <translation>Cerca e aggiungi foto</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>Cerca in:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Nomi dei file:</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Includi &amp;sottocartelle</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <source>Enjoying Glimmerbox? Tell your friends about it and follow us for news, tips and new versions.</source>
        <translation>Ti piace Glimmerbox? Parlane ai tuoi amici e seguici per novità, consigli e nuove versioni.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Non mostrare più</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Don&apos;t show this tip again</source>
        <translation>Non mostrare più questo suggerimento</translation>
    </message>
</context>
<context>
    <name>CDialogUnsupportedFormat</name>
    <message>
        <source>Unsupported Files</source>
        <translation>File non supportati</translation>
    </message>
    <message>
        <source>These files were not added because their format is not supported:</source>
        <translation>Questi file non sono stati aggiunti perché il loro formato non è supportato:</translation>
    </message>
</context>
<context>
    <name>CEmail</name>
    <message>
        <source>The e-mail message could not be written: the temporary folder %1 cannot be used.</source>
        <translation>Impossibile scrivere il messaggio e-mail: la cartella temporanea %1 non è utilizzabile.</translation>
    </message>
    <message>
        <source>The e-mail message %1 could not be written: %2.</source>
        <translation>Impossibile scrivere il messaggio e-mail %1: %2.</translation>
    </message>
    <message>
        <source>The e-mail message could not be written: every name in %1 is taken.</source>
        <translation>Impossibile scrivere il messaggio e-mail: tutti i nomi in %1 sono già in uso.</translation>
    </message>
    <message>
        <source>The e-mail message could not be composed: %1 could not be read.</source>
        <translation>Impossibile comporre il messaggio e-mail: impossibile leggere %1.</translation>
    </message>
    <message>
        <source>The mail program could not be opened for %1.</source>
        <translation>Impossibile aprire il programma di posta per %1.</translation>
    </message>
</context>
<context>
    <name>CFilterBlank</name>
    <message>
        <source>There are no settings for this filter</source>
        <translation>Questo filtro non ha impostazioni</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <source>Crop</source>
        <translation>Ritaglio</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>Dimensioni originali:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>in pixel</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>in percentuale</translation>
    </message>
</context>
<context>
    <name>CFilterCustomMask</name>
    <message>
        <source>Mask</source>
        <translation>Maschera</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Rotate mask for portrait images</source>
        <translation>Ruota maschera per verticali</translation>
    </message>
    <message>
        <source>Use a different mask for portrait images</source>
        <translation>Altra maschera per verticali</translation>
    </message>
    <message>
        <source>Portrait Mask</source>
        <translation>Maschera verticale</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alfa (%)</translation>
    </message>
    <message>
        <source>Select Mask</source>
        <translation>Seleziona maschera</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Disegna su sfondo trasparente</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Applica una cornice casuale</translation>
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
        <translation>Percorso del logo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Delta X (px)</source>
        <translation>Spost. X (px)</translation>
    </message>
    <message>
        <source>Delta Y (px)</source>
        <translation>Spost. Y (px)</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>Offset X</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Offset Y</translation>
    </message>
    <message>
        <source>Transformation</source>
        <translation>Trasformazione</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alfa (%)</translation>
    </message>
    <message>
        <source>Scale (%)</source>
        <translation>Scala (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Sfocatura</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Rotazione (°)</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>Attiva contorno</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>Disegna ombra</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>Seleziona l&apos;immagine della filigrana</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Disegna su sfondo trasparente</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Applica una cornice casuale</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effetto</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Incassato</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>In rilievo</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Resize by</source>
        <translation>In base a</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Mantieni le proporzioni</translation>
    </message>
    <message>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>Non ingrandire foto più piccole
delle dimensioni indicate</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>Dimensioni originali:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>in pixel</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>in percentuale</translation>
    </message>
    <message>
        <source>Width &amp; Height</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Fixed Width</source>
        <translation>Larghezza fissa</translation>
    </message>
    <message>
        <source>Fixed Height</source>
        <translation>Altezza fissa</translation>
    </message>
    <message>
        <source>Fixed Width &amp; Height</source>
        <translation>Dimensioni fisse</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <source>Degrees</source>
        <translation>Gradi</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condizione</translation>
    </message>
    <message>
        <source>All Photos</source>
        <translation>Tutte le foto</translation>
    </message>
    <message>
        <source>Only Portrait</source>
        <translation>Solo verticali</translation>
    </message>
    <message>
        <source>Only Landscape</source>
        <translation>Solo orizzontali</translation>
    </message>
</context>
<context>
    <name>CFilterSettings</name>
    <message>
        <source>&amp;Show preview</source>
        <translation>Mostra &amp;anteprima</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>&amp;Cambia vista</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
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
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Draw over a white background</source>
        <translation>Disegna su sfondo bianco</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Disegna su sfondo trasparente</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Applica una cornice casuale</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Netti</translation>
    </message>
    <message>
        <source>Blurred</source>
        <translation>Sfumati</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Sotto</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Use uniform dimensions</source>
        <translation>Usa dimensioni uniformi</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>in pixel</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>in percentuale</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Copyright [Copyright] Tarn&amp;Willow</source>
        <translation>Copyright [Copyright] Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Add Keyword</source>
        <translation>Aggiungi tag</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Delta X (px)</source>
        <translation>Spost. X (px)</translation>
    </message>
    <message>
        <source>Delta Y (px)</source>
        <translation>Spost. Y (px)</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>Offset X</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Offset Y</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Rotazione (°)</translation>
    </message>
    <message>
        <source>Line spacing (px)</source>
        <translation>Interlinea (px)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alfa (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Sfocatura</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>Attiva contorno</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Riquadro</translation>
    </message>
    <message>
        <source>Draw Bounding-Box</source>
        <translation>Disegna riquadro</translation>
    </message>
    <message>
        <source>Offset (%)</source>
        <translation>Margine (%)</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>Disegna ombra</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>Seleziona l&apos;immagine della filigrana</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Marchio registrato</translation>
    </message>
    <message>
        <source>Trademark</source>
        <translation>Marchio</translation>
    </message>
    <message>
        <source>Servicemark</source>
        <translation>Marchio di servizio</translation>
    </message>
    <message>
        <source>Source Filename</source>
        <translation>Nome del file originale</translation>
    </message>
    <message>
        <source>Source Extension</source>
        <translation>Estensione del file originale</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Cartella del file originale</translation>
    </message>
    <message>
        <source>Source Path</source>
        <translation>Percorso del file originale</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Data di scatto</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Camera Maker</source>
        <translation>Produttore della fotocamera</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Modello della fotocamera</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Valore f</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Tempo di posa</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Focal Length</source>
        <translation>Lunghezza focale</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Quota</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Disegna su sfondo trasparente</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Applica una cornice casuale</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Photos whose own format cannot be written are saved in this format</source>
        <translation>Le foto il cui formato non può essere scritto vengono salvate in questo formato</translation>
    </message>
    <message>
        <source>Other formats as</source>
        <translation>Altri formati come</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>True colour (RGB)</source>
        <translation>Colori reali (RGB)</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMYK</translation>
    </message>
    <message>
        <source>Custom colour profile</source>
        <translation>Profilo colore personalizzato</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compressione</translation>
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
        <translation>Compressione massima</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Tavolozza</translation>
    </message>
    <message>
        <source>True colour with transparency</source>
        <translation>Colori reali con trasparenza</translation>
    </message>
    <message>
        <source>Fax (Group 3)</source>
        <translation>Fax (Gruppo 3)</translation>
    </message>
    <message>
        <source>Fax (Group 4)</source>
        <translation>Fax (Gruppo 4)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Limit the file size to</source>
        <translation>Limita le dimensioni del file a</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dimensioni del file</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Interlacciamento</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partizione</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleziona...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Use the sRGB profile</source>
        <translation>Usa il profilo sRGB</translation>
    </message>
    <message>
        <source>Colour profile</source>
        <translation>Profilo colore</translation>
    </message>
    <message>
        <source>Select a colour profile</source>
        <translation>Seleziona un profilo colore</translation>
    </message>
    <message>
        <source>Colour profiles (*.icc *.icm *.ICC *.ICM)</source>
        <translation>Profili colore (*.icc *.icm *.ICC *.ICM)</translation>
    </message>
</context>
<context>
    <name>CImageManager</name>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the file holds no image that can be read</source>
        <translation>il file non contiene alcuna immagine leggibile</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <source>Top-Left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Left-Top</source>
        <translation>A sinistra in alto</translation>
    </message>
    <message>
        <source>Right-Top</source>
        <translation>A destra in alto</translation>
    </message>
    <message>
        <source>Right-Bottom</source>
        <translation>A destra in basso</translation>
    </message>
    <message>
        <source>Left-Bottom</source>
        <translation>A sinistra in basso</translation>
    </message>
    <message>
        <source>Uncalibrated</source>
        <translation>Non calibrato</translation>
    </message>
</context>
<context>
    <name>CListThumbDetails</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Data di scatto</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Valore f</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Tempo</translation>
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
        <translation>Colore</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Quota</translation>
    </message>
</context>
<context>
    <name>CMagickRuntime</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixel</translation>
    </message>
    <message>
        <source>%1 in %2 frames</source>
        <translation>%1 in %2 fotogrammi</translation>
    </message>
    <message>
        <source>%1 is more than one photo may have here (%2 megapixels).</source>
        <translation>%1 supera il massimo che una foto può avere qui (%2 megapixel).</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <source>&amp;Add Photos</source>
        <translation>&amp;Aggiungi foto</translation>
    </message>
    <message>
        <source>A&amp;dd...</source>
        <translation>A&amp;ggiungi...</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>V&amp;ista</translation>
    </message>
    <message>
        <source>&amp;Show preview</source>
        <translation>Mostra &amp;anteprima</translation>
    </message>
    <message>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>Trascina qui le tue foto</translation>
    </message>
    <message>
        <source>Or Click To Add Photos</source>
        <translation>Oppure fai clic per aggiungerle</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>In&amp;colla</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Cartella</translation>
    </message>
    <message>
        <source>F&amp;older with Subfolders</source>
        <translation>Cartella con &amp;sottocartelle</translation>
    </message>
    <message>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>C&amp;erca e aggiungi</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>&amp;Selezionate</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Dettagli</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>Icone &amp;piccole</translation>
    </message>
    <message>
        <source>&amp;Medium Icons</source>
        <translation>Icone &amp;medie</translation>
    </message>
    <message>
        <source>&amp;Large Icons</source>
        <translation>Icone &amp;grandi</translation>
    </message>
    <message>
        <source>Add &amp;Photo(s)</source>
        <translation>Aggiungi &amp;foto</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Aggiungi &amp;cartella</translation>
    </message>
    <message>
        <source>Remove S&amp;elected</source>
        <translation>Rimuovi &amp;selezionate</translation>
    </message>
    <message>
        <source>Remove &amp;All</source>
        <translation>Rimuovi &amp;tutte</translation>
    </message>
    <message>
        <source>Select Photo(s)</source>
        <translation>Seleziona foto</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>Nessuna foto selezionata</translation>
    </message>
    <message>
        <source>Remove selected photo(s) from the list?</source>
        <translation>Rimuovere dall&apos;elenco le foto selezionate?</translation>
    </message>
    <message>
        <source>Remove all photos from the list?</source>
        <translation>Rimuovere tutte le foto dall&apos;elenco?</translation>
    </message>
    <message>
        <source>Add the photos you want to edit</source>
        <translation>Aggiungi le foto da modificare</translation>
    </message>
    <message>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>Vai al passo 2 e definisci le modifiche da applicare alle foto</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>These files and folders were not added because their names are not valid UTF-8:</source>
        <translation>Questi file e cartelle non sono stati aggiunti perché i loro nomi non sono UTF-8 valido:</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <source>Add Filter</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Esempio</translation>
    </message>
    <message>
        <source>Sh&amp;ow preview</source>
        <translation>Mostra &amp;anteprima</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>&amp;Cambia vista</translation>
    </message>
    <message>
        <source>Keep Unchanged</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Nome della cartella</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Data della foto</translation>
    </message>
    <message>
        <source>Custom Defined</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>Nessun filtro selezionato</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Rimuovi selezionati</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Rimuovi tutti</translation>
    </message>
    <message>
        <source>Remove selected filter(s)?</source>
        <translation>Rimuovere i filtri selezionati?</translation>
    </message>
    <message>
        <source>Remove all filters?</source>
        <translation>Rimuovere tutti i filtri?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Add Filter</source>
        <translation>&amp;Aggiungi filtro</translation>
    </message>
    <message>
        <source>Remove &amp;Selected</source>
        <translation>Rimuovi &amp;selezionati</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Rimuovi &amp;tutti</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>Aggiungi un filtro da applicare a tutte le foto del passo 1</translation>
    </message>
    <message>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>Vai al passo 3 e scegli la cartella e il formato di output delle foto modificate</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>S&amp;elect</source>
        <translation>&amp;Seleziona</translation>
    </message>
    <message>
        <source>Also save on My Computer</source>
        <translation>Salva anche su questo computer</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Use SFTP</source>
        <translation>Usa SFTP</translation>
    </message>
    <message>
        <source>Recreate original folder structure in selected folder</source>
        <translation>Ricrea la struttura di cartelle originale nella cartella selezionata</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Prova connessione</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato di output</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>&amp;Crea un unico documento multipagina con tutte le foto (solo PDF, TIF, GIF)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Open output folder after processing</source>
        <translation>&amp;Apri la cartella di output al termine</translation>
    </message>
    <message>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>Copia &amp;data e attributi della foto originale</translation>
    </message>
    <message>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>&amp;Elimina la foto originale dopo l&apos;elaborazione (sposta la foto)</translation>
    </message>
    <message>
        <source>Folder on My Computer (default)</source>
        <translation>Cartella su questo computer (predefinito)</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>Invia per e-mail</translation>
    </message>
    <message>
        <source>Upload to FTP</source>
        <translation>Carica su FTP</translation>
    </message>
    <message>
        <source>Use selected folder as output destination</source>
        <translation>Usa la cartella selezionata come destinazione</translation>
    </message>
    <message>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>Usa la cartella delle foto originali come destinazione</translation>
    </message>
    <message>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>Crea una sottocartella nella cartella delle foto originali</translation>
    </message>
    <message>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>Hai scelto di scrivere le foto risultanti nella stessa cartella delle originali.

Se vuoi conservare le originali e scrivere comunque le foto risultanti nella stessa cartella, devi cambiare il nome delle foto elaborate in Passo 2 &gt; Nomi</translation>
    </message>
    <message>
        <source>Select a folder for saving the resulting photos</source>
        <translation>Seleziona una cartella in cui salvare le foto risultanti</translation>
    </message>
    <message>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.

This action will only delete the originals if the processed photos are correctly written.

In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss.</source>
        <translation>Hai scelto di eliminare le foto originali dopo aver scritto quelle elaborate. Ti consigliamo di fare una copia di sicurezza delle originali prima di usare questa opzione per la prima volta.

Le originali vengono eliminate solo se le foto elaborate sono state scritte correttamente.

Se non è selezionato alcun filtro, le foto vengono semplicemente spostate, molto rapidamente, ed eventualmente rinominate, senza perdita di qualità.</translation>
    </message>
    <message>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>Quando sei pronto, applica le modifiche alle foto</translation>
    </message>
</context>
<context>
    <name>COutputPaths</name>
    <message>
        <source>The sub-folder name &quot;%1&quot; is not usable: it must lie inside each photo&apos;s folder, so it may neither start with &quot;/&quot; nor hold &quot;..&quot;.</source>
        <translation>Il nome di sottocartella &quot;%1&quot; non è utilizzabile: deve trovarsi dentro la cartella di ogni foto, quindi non può iniziare con &quot;/&quot; né contenere &quot;..&quot;.</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>Glimmerbox - Processing</source>
        <translation>Glimmerbox - Elaborazione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show log</source>
        <translation>Mostra registro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>Elaborazione di %1 foto con %2 filtro/i per foto.</translation>
    </message>
    <message>
        <source>Creating a single multi-page document.</source>
        <translation>Creazione di un unico documento multipagina.</translation>
    </message>
    <message>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>Sistema: rilevati %1 core CPU.</translation>
    </message>
    <message>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>Avvio di %1 thread di esecuzione.</translation>
    </message>
    <message>
        <source>Unknown destination %1: the photos are saved to the folder.</source>
        <translation>Destinazione sconosciuta %1: le foto vengono salvate nella cartella.</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>Impossibile caricare</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>L&apos;elaborazione delle foto non è terminata. Interrompere l&apos;operazione?</translation>
    </message>
    <message>
        <source>Upload not completed. Abort the operation?</source>
        <translation>Il caricamento non è terminato. Interrompere l&apos;operazione?</translation>
    </message>
    <message>
        <source>Process interrupted by the user.</source>
        <translation>Elaborazione interrotta dall&apos;utente.</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>Attenzione: elaborazione terminata con %1 errore/i. Per i dettagli vedi il registro qui sopra.</translation>
    </message>
    <message>
        <source>Process completed without errors.</source>
        <translation>Elaborazione terminata senza errori.</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors and %2 warning(s). For details see the log above.</source>
        <translation>Attenzione: elaborazione terminata con %1 errore/i e %2 avviso/i. Per i dettagli vedi il registro qui sopra.</translation>
    </message>
    <message>
        <source>Warning: Process completed without errors, with %1 warning(s). For details see the log above.</source>
        <translation>Attenzione: elaborazione terminata senza errori, con %1 avviso/i. Per i dettagli vedi il registro qui sopra.</translation>
    </message>
    <message>
        <source>Uploading to </source>
        <translation>Caricamento su </translation>
    </message>
    <message>
        <source>the e-mail message was not handed to the mail program: %1</source>
        <translation>il messaggio e-mail non è stato passato al programma di posta: %1</translation>
    </message>
    <message>
        <source>The source photos were not deleted: the delivery did not complete.</source>
        <translation>Le foto originali non sono state eliminate: l&apos;invio non è stato completato.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>the upload to %1 did not complete: %2</source>
        <translation>il caricamento su %1 non è stato completato: %2</translation>
    </message>
    <message>
        <source>Successfully uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>Caricate correttamente %1 foto.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Deleting temporary files...</source>
        <translation>Eliminazione dei file temporanei...</translation>
    </message>
    <message>
        <source>Upload failed.</source>
        <translation>Caricamento non riuscito.</translation>
    </message>
    <message>
        <source>Upload completed.</source>
        <translation>Caricamento completato.</translation>
    </message>
    <message>
        <source>Could not save log.</source>
        <translation>Impossibile salvare il registro.</translation>
    </message>
    <message>
        <source>Warning: the name is not valid UTF-8, left out:</source>
        <translation>Attenzione: il nome non è UTF-8 valido, escluso:</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Failed to write</source>
        <translation>Impossibile scrivere</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>Impossibile caricare</translation>
    </message>
    <message>
        <source>Failed to Rename and Move</source>
        <translation>Impossibile rinominare e spostare</translation>
    </message>
    <message>
        <source>Failed to Rename and Copy</source>
        <translation>Impossibile rinominare e copiare</translation>
    </message>
    <message>
        <source>Failed to Move</source>
        <translation>Impossibile spostare</translation>
    </message>
    <message>
        <source>Failed to Copy</source>
        <translation>Impossibile copiare</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1), source kept:</source>
        <translation>Attenzione: foto danneggiata (%1), originale conservato:</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1):</source>
        <translation>Attenzione: foto danneggiata (%1):</translation>
    </message>
    <message>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>Impossibile applicare il filtro &apos;%1&apos; a</translation>
    </message>
    <message>
        <source>Warning: %1 KB written, above the fixed size of %2 KB:</source>
        <translation>Attenzione: scritti %1 KB, oltre la dimensione fissa di %2 KB:</translation>
    </message>
    <message>
        <source>Processed</source>
        <translation>Elaborata</translation>
    </message>
    <message>
        <source>Processed and renamed</source>
        <translation>Elaborata e rinominata</translation>
    </message>
    <message>
        <source>Processed and replaced</source>
        <translation>Elaborata e sostituita</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltata</translation>
    </message>
    <message>
        <source>The output %1 lies outside its destination folder %2.</source>
        <translation>L&apos;output %1 si trova fuori dalla sua cartella di destinazione %2.</translation>
    </message>
    <message>
        <source>Warning: the source photos are kept, they are the pages of</source>
        <translation>Avviso: le foto di origine vengono mantenute, sono le pagine di</translation>
    </message>
    <message>
        <source>Warning: the source could not be deleted (%1):</source>
        <translation>Avviso: impossibile eliminare l&apos;origine (%1):</translation>
    </message>
    <message>
        <source>Warning: the source changed during the run and was kept:</source>
        <translation>Avviso: l&apos;origine è cambiata durante l&apos;elaborazione ed è stata conservata:</translation>
    </message>
    <message>
        <source>the temporary folder %1 could not be made: %2</source>
        <translation>impossibile creare la cartella temporanea %1: %2</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1), source kept:</source>
        <translation>Attenzione: metadati danneggiati omessi (%1), originale conservato:</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1):</source>
        <translation>Attenzione: metadati danneggiati omessi (%1):</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Show profiles window at startup</source>
        <translation>Mostra la finestra dei profili all&apos;avvio</translation>
    </message>
    <message>
        <source>Show wizard window at startup</source>
        <translation>Mostra la procedura guidata all&apos;avvio</translation>
    </message>
    <message>
        <source>Check for new versions automatically</source>
        <translation>Cerca automaticamente nuove versioni</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Check:</source>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>Use all the processor&apos;s cores</source>
        <translation>Usa tutti i core del processore</translation>
    </message>
    <message>
        <source>Write the processing log</source>
        <translation>Salva il registro dell&apos;elaborazione</translation>
    </message>
    <message>
        <source>Edit and write every page</source>
        <translation>Modifica e scrivi tutte le pagine</translation>
    </message>
    <message>
        <source>Flatten the pages into one photo</source>
        <translation>Unisci le pagine in un&apos;unica foto</translation>
    </message>
    <message>
        <source>Edit and write the first page only</source>
        <translation>Modifica e scrivi solo la prima pagina</translation>
    </message>
    <message>
        <source>Multi-page files:</source>
        <translation>File multipagina:</translation>
    </message>
    <message>
        <source>RAW photos</source>
        <translation>Foto RAW</translation>
    </message>
    <message>
        <source>As shot by the camera</source>
        <translation>Come da fotocamera</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>White balance:</source>
        <translation>Bilanciamento del bianco:</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Unclip</source>
        <translation>Non tagliare</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Fondi</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Ricostruisci</translation>
    </message>
    <message>
        <source>Highlights:</source>
        <translation>Alte luci:</translation>
    </message>
    <message>
        <source>Decoder&apos;s choice</source>
        <translation>Scelta dal decodificatore</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
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
        <translation>Interpolazione:</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>Riavvia Glimmerbox per rendere effettive le modifiche.</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>The written files are kept in %1</source>
        <translation>I file scritti sono conservati in %1</translation>
    </message>
    <message>
        <source>E-mail message handed to the mail program: %1</source>
        <translation>Messaggio e-mail passato al programma di posta: %1</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Files attached successfuly. We advise deleting the temporary files that Glimmerbox may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>File allegati correttamente. Ti consigliamo di eliminare i file temporanei che Glimmerbox potrebbe aver creato durante il processo (fallo solo dopo aver finito di inviare l&apos;e-mail). Eliminare ora i file temporanei?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Could not open default mail client.</source>
        <translation>Impossibile aprire il client di posta predefinito.</translation>
    </message>
    <message>
        <source>The upload was stopped.</source>
        <translation>Il caricamento è stato interrotto.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>No transfer could be set up.</source>
        <translation>Impossibile predisporre il trasferimento.</translation>
    </message>
    <message>
        <source>The user name or the password holds a line break, which the FTP server would take for a command of its own: nothing was sent.</source>
        <translation>Il nome utente o la password contiene un a capo, che il server FTP prenderebbe per un comando a sé: non è stato inviato nulla.</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <source>Welcome to Glimmerbox!</source>
        <translation>Benvenuto in Glimmerbox!</translation>
    </message>
    <message>
        <source>Glimmerbox&apos;s interface is designed as a three-step wizard, so you just need to follow the predefined steps in order to edit your photos!</source>
        <translation>L&apos;interfaccia di Glimmerbox è una procedura guidata in tre passi: basta seguirli in ordine per modificare le tue foto!</translation>
    </message>
    <message>
        <source>To get help press the F1 key anywhere in the interface for a detailed description of the settings.

Press &apos;Next&apos; to see the tutorials.</source>
        <translation>Per avere aiuto premi il tasto F1 in qualsiasi punto dell&apos;interfaccia: troverai una descrizione dettagliata delle impostazioni.

Premi &apos;Successivo&apos; per vedere i tutorial.</translation>
    </message>
    <message>
        <source>Don&apos;t show this wizard again</source>
        <translation>Non mostrare più questa procedura guidata</translation>
    </message>
    <message>
        <source>For a more in-depth, hands-on experience we recommend the following tutorial:</source>
        <translation>Per un approfondimento pratico ti consigliamo questo tutorial:</translation>
    </message>
    <message>
        <source>Tutorial - How to Resize and Rotate</source>
        <translation>Tutorial - Come ridimensionare e ruotare</translation>
    </message>
</context>
<context>
    <name>FilterBounds</name>
    <message>
        <source>border width</source>
        <translation>larghezza del bordo</translation>
    </message>
    <message>
        <source>strip height</source>
        <translation>altezza della striscia</translation>
    </message>
    <message>
        <source>width</source>
        <translation>larghezza</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altezza</translation>
    </message>
    <message>
        <source>stroke width</source>
        <translation>larghezza del contorno</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>spessore della linea</translation>
    </message>
    <message>
        <source>size</source>
        <translation>dimensione</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>raggio</translation>
    </message>
    <message>
        <source>sigma</source>
        <translation>sigma</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>ampiezza</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is beyond its limit of %4.</source>
        <translation>Nel filtro &apos;%1&apos;, il valore %3 per %2 supera il limite di %4.</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s result of %2</source>
        <translation>Il risultato del filtro &apos;%1&apos; di %2</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is too small to resize to.</source>
        <translation>Nel filtro &apos;%1&apos;, il valore %3 per %2 è troppo piccolo per ridimensionare.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>This copy of Glimmerbox has no address for its help pages.</source>
        <translation>Questa copia di Glimmerbox non ha un indirizzo per le sue pagine di aiuto.</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address for its web site.</source>
        <translation>Questa copia di Glimmerbox non ha un indirizzo per il suo sito web.</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Wi&amp;zard</source>
        <translation>&amp;Procedura guidata</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Tutorials</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Load Profile</source>
        <translation>&amp;Carica profilo</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Salva profilo con nome</translation>
    </message>
    <message>
        <source>Save Script</source>
        <translation>Salva script</translation>
    </message>
    <message>
        <source>Save Script As</source>
        <translation>Salva script con nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>Show &amp;Log</source>
        <translation>Mostra &amp;registro</translation>
    </message>
    <message>
        <source>Select Pr&amp;ofile</source>
        <translation>Seleziona &amp;profilo</translation>
    </message>
    <message>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Passo 1 - Aggiungi &amp;foto</translation>
    </message>
    <message>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Passo 2 - &amp;Modifica foto</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Step 3 - &amp;Setup</source>
        <translation>Passo 3 - &amp;Configurazione</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Elabora</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Help Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>Come &amp;ridimensionare e ruotare le foto</translation>
    </message>
    <message>
        <source>Check for &amp;New Version</source>
        <translation>Cerca &amp;nuova versione</translation>
    </message>
    <message>
        <source>&amp;Online Support</source>
        <translation>&amp;Supporto online</translation>
    </message>
    <message>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Visita il nostro sito web</translation>
    </message>
    <message>
        <source>&amp;About Us</source>
        <translation>&amp;Informazioni su Glimmerbox</translation>
    </message>
    <message>
        <source>Save Project &amp;As</source>
        <translation>Salva progetto &amp;con nome</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Load Project</source>
        <translation>&amp;Carica progetto</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Salva progetto</translation>
    </message>
    <message>
        <source>&amp;Video Presentations</source>
        <translation>&amp;Video di presentazione</translation>
    </message>
    <message>
        <source>How to &amp;Add Comments and Time to Photos</source>
        <translation>Come &amp;aggiungere commenti e ora alle foto</translation>
    </message>
    <message>
        <source>&amp;Wizard Steps</source>
        <translation>&amp;Passi della procedura guidata</translation>
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
        <translation>&amp;Japanese</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>Riavvia Glimmerbox per rendere effettive le modifiche.</translation>
    </message>
    <message>
        <source>Wizard Steps</source>
        <translation>Passi della procedura guidata</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>Edit Photos</source>
        <translation>Modifica foto</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Passo 1 - Aggiungi tutte le foto da modificare</translation>
    </message>
    <message>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Passo 2 - Imposta i filtri da applicare a tutte le foto selezionate</translation>
    </message>
    <message>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Passo 3 - Scegli il percorso di output e il formato delle foto modificate</translation>
    </message>
    <message>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Quando sei pronto, scegli Elabora per modificare tutte le foto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>Ora aggiungi le foto nel passo 1 e, se vuoi, regola le impostazioni dei passi 2 e 3.

Al termine scegli Elabora.</translation>
    </message>
    <message>
        <source>Could not load profile.</source>
        <translation>Impossibile caricare il profilo.</translation>
    </message>
    <message>
        <source>Could not load script.</source>
        <translation>Impossibile caricare lo script.</translation>
    </message>
    <message>
        <source>There are no photos to process.</source>
        <translation>Non ci sono foto da elaborare.</translation>
    </message>
    <message>
        <source>Ready to process %1 photos?</source>
        <translation>Elaborare ora %1 foto?</translation>
    </message>
    <message>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>Prima dell&apos;elaborazione devi selezionare una cartella di output per le foto modificate (Passo 3 &gt; Destinazione &gt; Cartella su questo computer)</translation>
    </message>
    <message>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>La cartella selezionata non esiste. Vuoi crearla ora?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>Hai scelto di eliminare le foto originali dopo aver scritto quelle modificate. Continuare?</translation>
    </message>
    <message>
        <source>Could not save profile.</source>
        <translation>Impossibile salvare il profilo.</translation>
    </message>
    <message>
        <source>Do you want to disable all notifications when running the script?</source>
        <translation>Vuoi disattivare tutte le notifiche durante l&apos;esecuzione dello script?</translation>
    </message>
    <message>
        <source>Could not save script.</source>
        <translation>Impossibile salvare lo script.</translation>
    </message>
    <message>
        <source>Would you like to save your settings?</source>
        <translation>Vuoi salvare le impostazioni?</translation>
    </message>
    <message>
        <source>Your settings will be discarded. Continue?</source>
        <translation>Le impostazioni verranno scartate. Continuare?</translation>
    </message>
    <message>
        <source>The log file will be created after the first processing session.</source>
        <translation>Il file di registro verrà creato dopo la prima elaborazione.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Marks</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Trasforma</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maschera</translation>
    </message>
    <message>
        <source>Shape Frame</source>
        <translation>Cornice base</translation>
    </message>
    <message>
        <source>Grunge Frame</source>
        <translation>Cornice grunge</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Cornice classica</translation>
    </message>
    <message>
        <source>Vintage Frame</source>
        <translation>Cornice vintage</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Rilievo</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Simple Border</source>
        <translation>Bordo semplice</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Autorotazione</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>Aggiunge un commento di testo su una o più righe</translation>
    </message>
    <message>
        <source>Stamps picture with date and time information</source>
        <translation>Imprime la data e l&apos;ora sulla foto</translation>
    </message>
    <message>
        <source>Adds a text copyright notice</source>
        <translation>Aggiunge una nota di copyright testuale</translation>
    </message>
    <message>
        <source>Adds a copyright logo</source>
        <translation>Aggiunge un logo di copyright</translation>
    </message>
    <message>
        <source>Adds a simple shaped frame</source>
        <translation>Aggiunge una semplice cornice sagomata</translation>
    </message>
    <message>
        <source>Adds a grunge frame</source>
        <translation>Aggiunge una cornice grunge</translation>
    </message>
    <message>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>Aggiunge maschere diverse per foto verticali e orizzontali</translation>
    </message>
    <message>
        <source>Adds a classic picture frame</source>
        <translation>Aggiunge una classica cornice da quadro</translation>
    </message>
    <message>
        <source>Adds a vintage frame</source>
        <translation>Aggiunge una cornice vintage</translation>
    </message>
    <message>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>Crea una cornice in stile Polaroid</translation>
    </message>
    <message>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>Schiarisce o scurisce i bordi della foto per un effetto 3D in rilievo o incassato</translation>
    </message>
    <message>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>Aggiunge un effetto ombra lungo i bordi della foto</translation>
    </message>
    <message>
        <source>Adds a simple border around the picture</source>
        <translation>Aggiunge un bordo semplice intorno alla foto</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance</source>
        <translation>Rende la foto sfocata</translation>
    </message>
    <message>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>Trasforma la foto in un disegno a carboncino</translation>
    </message>
    <message>
        <source>Highlights edges in picture</source>
        <translation>Evidenzia i bordi della foto</translation>
    </message>
    <message>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>Evidenzia i bordi della foto con un effetto 3D</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>Rende la foto sfocata con l&apos;algoritmo di sfocatura gaussiana</translation>
    </message>
    <message>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>Converte i colori reali in scala di grigi</translation>
    </message>
    <message>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>Crea un effetto implosione al centro della foto</translation>
    </message>
    <message>
        <source>Replaces every pixel with its complementary color</source>
        <translation>Sostituisce ogni pixel con il suo colore complementare</translation>
    </message>
    <message>
        <source>Adds noise to picture</source>
        <translation>Aggiunge rumore alla foto</translation>
    </message>
    <message>
        <source>Makes picture look like an oil painting</source>
        <translation>Fa sembrare la foto un dipinto a olio</translation>
    </message>
    <message>
        <source>Makes picture look older, in warmer colors</source>
        <translation>Invecchia la foto con colori più caldi</translation>
    </message>
    <message>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>Simula una pellicola esposta alla luce durante lo sviluppo</translation>
    </message>
    <message>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>Fa sembrare la foto una scultura in scala di grigi o a colori reali</translation>
    </message>
    <message>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>Sfoca la foto spargendo i pixel a caso</translation>
    </message>
    <message>
        <source>Creates a twisting motion</source>
        <translation>Crea un effetto vortice</translation>
    </message>
    <message>
        <source>Creates a horizontal wave effect</source>
        <translation>Crea un effetto onda orizzontale</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast</source>
        <translation>Regola automaticamente il contrasto</translation>
    </message>
    <message>
        <source>Automatically adjusts gamma level</source>
        <translation>Regola automaticamente il livello gamma</translation>
    </message>
    <message>
        <source>Automatically adjusts color levels</source>
        <translation>Regola automaticamente i livelli di colore</translation>
    </message>
    <message>
        <source>Adjusts light intensity</source>
        <translation>Regola l&apos;intensità della luce</translation>
    </message>
    <message>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>Accentua le differenze di intensità tra i pixel più chiari e quelli più scuri</translation>
    </message>
    <message>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>Regola i canali di colore rosso, verde e blu</translation>
    </message>
    <message>
        <source>Applies a histogram equalization</source>
        <translation>Applica un&apos;equalizzazione dell&apos;istogramma</translation>
    </message>
    <message>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>Corregge tonalità, saturazione e luminosità</translation>
    </message>
    <message>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>Regola i livelli estendendo i colori compresi tra i punti di bianco e di nero indicati all&apos;intera gamma disponibile</translation>
    </message>
    <message>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>Riduce il rumore dovuto a scarsa illuminazione o alle fotocamere digitali dei cellulari</translation>
    </message>
    <message>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>Aumenta la nitidezza della foto accentuando il contrasto dei bordi</translation>
    </message>
    <message>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>Usa le opzioni Raggio e Soglia per aumentare la nitidezza della foto</translation>
    </message>
    <message>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>Ruota automaticamente le foto in base alle informazioni registrate dalla fotocamera digitale</translation>
    </message>
    <message>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>Ritaglia automaticamente la foto secondo le proporzioni indicate</translation>
    </message>
    <message>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>Sostituisce un colore RGB o il canale alfa</translation>
    </message>
    <message>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Ritaglia una zona rettangolare della foto</translation>
    </message>
    <message>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>Capovolge la foto in verticale e/o in orizzontale</translation>
    </message>
    <message>
        <source>Adjusts image size using pixels or percents</source>
        <translation>Regola le dimensioni della foto in pixel o in percentuale</translation>
    </message>
    <message>
        <source>Adjusts document size and DPI resolution</source>
        <translation>Regola le dimensioni del documento e la risoluzione DPI</translation>
    </message>
    <message>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>Fa scorrere la foto in verticale o in orizzontale di un numero di pixel indicato</translation>
    </message>
    <message>
        <source>Rotates by a specified number of degrees</source>
        <translation>Ruota la foto di un numero di gradi indicato</translation>
    </message>
    <message>
        <source>Creates a small thumbnail from the picture</source>
        <translation>Crea una piccola miniatura della foto</translation>
    </message>
    <message>
        <source>Keep original image format (if possible)</source>
        <translation>Mantieni il formato originale (se possibile)</translation>
    </message>
    <message>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>Il progetto è stato creato con un&apos;altra versione del programma, quindi potrebbe non essere importato correttamente.
Per correggere eventuali problemi, controlla le impostazioni e salva.</translation>
    </message>
    <message>
        <source>Auto Gamma</source>
        <translation>Gamma automatica</translation>
    </message>
    <message>
        <source>Convert to JPEG with High Quality</source>
        <translation>Converti in JPEG ad alta qualità</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>Converte nel formato JPEG ad alta qualità (90%), con file più grandi.</translation>
    </message>
    <message>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>Converti in JPEG a qualità media</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>Converte nel formato JPEG a qualità media (75%), con file di dimensioni medie.</translation>
    </message>
    <message>
        <source>Convert to PDF Album</source>
        <translation>Converti in album PDF</translation>
    </message>
    <message>
        <source>Create a single PDF album from all the photos added</source>
        <translation>Crea un unico album PDF con tutte le foto aggiunte</translation>
    </message>
    <message>
        <source>Convert to PNG</source>
        <translation>Converti in PNG</translation>
    </message>
    <message>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>Converte nel formato PNG per la massima qualità.</translation>
    </message>
    <message>
        <source>Convert to TIFF</source>
        <translation>Converti in TIFF</translation>
    </message>
    <message>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>Converte nel formato TIFF per la massima qualità.</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contrasto automatico</translation>
    </message>
    <message>
        <source>Add Date and Time</source>
        <translation>Aggiungi data e ora</translation>
    </message>
    <message>
        <source>Reduce Noise</source>
        <translation>Riduci rumore</translation>
    </message>
    <message>
        <source>Adjust Sharpness</source>
        <translation>Regola nitidezza</translation>
    </message>
    <message>
        <source>Effect Black &amp; White</source>
        <translation>Effetto bianco e nero</translation>
    </message>
    <message>
        <source>Effect Charcoal</source>
        <translation>Effetto carboncino</translation>
    </message>
    <message>
        <source>Effect Implode</source>
        <translation>Effetto implosione</translation>
    </message>
    <message>
        <source>Effect Oil Painting</source>
        <translation>Effetto dipinto a olio</translation>
    </message>
    <message>
        <source>Effect Raise</source>
        <translation>Effetto rilievo</translation>
    </message>
    <message>
        <source>Effect Sepia</source>
        <translation>Effetto seppia</translation>
    </message>
    <message>
        <source>Effect Shade</source>
        <translation>Effetto ombreggiatura</translation>
    </message>
    <message>
        <source>Effect Spread</source>
        <translation>Effetto dispersione</translation>
    </message>
    <message>
        <source>Effect Swirl</source>
        <translation>Effetto vortice</translation>
    </message>
    <message>
        <source>Effect Wave</source>
        <translation>Effetto onda</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Rinomina con il nome della cartella</translation>
    </message>
    <message>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>Se le foto sono raccolte in una cartella con un nome significativo, questo profilo dà a tutte le foto contenute il nome della cartella</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Rinomina con la data della foto</translation>
    </message>
    <message>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>Rinomina un gruppo di foto con la data di scatto e aggiunge un contatore per distinguere le foto scattate nello stesso momento</translation>
    </message>
    <message>
        <source>Resize for Auction Site</source>
        <translation>Ridimensiona per siti di aste</translation>
    </message>
    <message>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>Rimpicciolisce molto le foto (400x300) per caricarle su siti di aste come eBay</translation>
    </message>
    <message>
        <source>Resize for Sending via Email</source>
        <translation>Ridimensiona per l&apos;invio per e-mail</translation>
    </message>
    <message>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>Rimpicciolisce le foto (1280x960) per inviarle come allegato per e-mail</translation>
    </message>
    <message>
        <source>Resize for Uploading Online</source>
        <translation>Ridimensiona per il caricamento online</translation>
    </message>
    <message>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Rimpicciolisce le foto (1600x1200) per caricarle online su siti come Facebook e Picasa o per condividerle con gli amici</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>Invia per e-mail</translation>
    </message>
    <message>
        <source>Send photos via E-mail</source>
        <translation>Invia le foto per e-mail</translation>
    </message>
    <message>
        <source>Upload to Twitpic</source>
        <translation>Carica su Twitpic</translation>
    </message>
    <message>
        <source>Upload photos to Twitpic</source>
        <translation>Carica le foto su Twitpic</translation>
    </message>
    <message>
        <source>Upload to Picasa</source>
        <translation>Carica su Picasa</translation>
    </message>
    <message>
        <source>Upload photos to Picasa</source>
        <translation>Carica le foto su Picasa</translation>
    </message>
    <message>
        <source>Upload to Facebook</source>
        <translation>Carica su Facebook</translation>
    </message>
    <message>
        <source>Upload photos to Facebook</source>
        <translation>Carica le foto su Facebook</translation>
    </message>
</context>
</TS>
