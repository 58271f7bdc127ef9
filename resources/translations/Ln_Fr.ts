<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CCheckNew</name>
    <message>
        <source>Check for New Version</source>
        <translation>Rechercher une nouvelle version</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address to check for new versions.</source>
        <translation>Cette copie de Glimmerbox n&apos;a aucune adresse où rechercher de nouvelles versions.</translation>
    </message>
    <message>
        <source>Could not check for a new version: %1</source>
        <translation>Impossible de rechercher une nouvelle version&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not check for a new version: the answer was not understood.</source>
        <translation>Impossible de rechercher une nouvelle version&#xa0;: la réponse est incompréhensible.</translation>
    </message>
    <message>
        <source>A new version of Glimmerbox is available: %1.</source>
        <translation>Une nouvelle version de Glimmerbox est disponible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Download it now</source>
        <translation>Télécharger maintenant</translation>
    </message>
    <message>
        <source>You are using the latest version of Glimmerbox.</source>
        <translation>Vous utilisez la dernière version de Glimmerbox.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>Application du filtre «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Zooming</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>About Glimmerbox</source>
        <translation>À propos de Glimmerbox</translation>
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
        <translation>Choisir un filtre</translation>
    </message>
    <message>
        <source>All Filters</source>
        <translation>Tous les filtres</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Filigranes</translation>
    </message>
    <message>
        <source>Decorate</source>
        <translation>Décoration</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>Aucun filtre sélectionné</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <source>Download GhostScript</source>
        <translation>Télécharger Ghostscript</translation>
    </message>
    <message>
        <source>Reading EPS and PDF documents needs Ghostscript.</source>
        <translation>La lecture des documents EPS et PDF nécessite Ghostscript.</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>Non pour tout</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>La photo %1
existe déjà. Voulez-vous la remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Nouveau nom de fichier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <source>Select Profile</source>
        <translation>Choisir un profil</translation>
    </message>
    <message>
        <source>Choose a profile to start from; its filters and settings replace those of the current job, the photos stay.</source>
        <translation>Choisissez un profil de départ&#xa0;: ses filtres et paramètres remplacent ceux du travail en cours, les photos restent.</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <source>Custom Renaming</source>
        <translation>Renommage personnalisé</translation>
    </message>
    <message>
        <source>File Name Pattern</source>
        <translation>Modèle de nom de fichier</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Commencer à</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Restart in every folder</source>
        <translation>Recommencer dans chaque dossier</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Date of</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>With seconds</source>
        <translation>Avec les secondes</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Casse</translation>
    </message>
    <message>
        <source>Lower-case extension</source>
        <translation>Extension en minuscules</translation>
    </message>
    <message>
        <source>Search and Replace</source>
        <translation>Rechercher et remplacer</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Current date and time</source>
        <translation>Date et heure actuelles</translation>
    </message>
    <message>
        <source>12-hour clock (AM/PM)</source>
        <translation>Format 12 heures (AM/PM)</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>Format 24 heures</translation>
    </message>
    <message>
        <source>No time</source>
        <translation>Sans l&apos;heure</translation>
    </message>
    <message>
        <source>Keep unchanged</source>
        <translation>Ne pas modifier</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>minuscules</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>MAJUSCULES</translation>
    </message>
    <message>
        <source>Capitalize Each Word</source>
        <translation>Initiales En Majuscules</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <source>Would you like to save your settings as a profile before closing?</source>
        <translation>Voulez-vous enregistrer vos paramètres comme profil avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Don&apos;t ask me again</source>
        <translation>Ne plus me demander</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <source>Search &amp; Add Photos</source>
        <translation>Rechercher &amp; ajouter des photos</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>Rechercher dans&#xa0;:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Noms de fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Inclure les &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <source>Enjoying Glimmerbox? Tell your friends about it and follow us for news, tips and new versions.</source>
        <translation>Glimmerbox vous plaît&#xa0;? Parlez-en à vos amis et suivez-nous pour les nouveautés, les astuces et les nouvelles versions.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Ne plus afficher</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Don&apos;t show this tip again</source>
        <translation>Ne plus afficher cette astuce</translation>
    </message>
</context>
<context>
    <name>CDialogUnsupportedFormat</name>
    <message>
        <source>Unsupported Files</source>
        <translation>Fichiers non pris en charge</translation>
    </message>
    <message>
        <source>These files were not added because their format is not supported:</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés car leur format n&apos;est pas pris en charge&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CEmail</name>
    <message>
        <source>The e-mail message could not be written: the temporary folder %1 cannot be used.</source>
        <translation>Le message e-mail n&apos;a pas pu être écrit&#xa0;: le dossier temporaire %1 est inutilisable.</translation>
    </message>
    <message>
        <source>The e-mail message %1 could not be written: %2.</source>
        <translation>Le message e-mail %1 n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The e-mail message could not be written: every name in %1 is taken.</source>
        <translation>Le message e-mail n&apos;a pas pu être écrit&#xa0;: tous les noms dans %1 sont déjà pris.</translation>
    </message>
    <message>
        <source>The e-mail message could not be composed: %1 could not be read.</source>
        <translation>Le message e-mail n&apos;a pas pu être composé&#xa0;: %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The mail program could not be opened for %1.</source>
        <translation>Le programme de messagerie n&apos;a pas pu être ouvert pour %1.</translation>
    </message>
</context>
<context>
    <name>CFilterBlank</name>
    <message>
        <source>There are no settings for this filter</source>
        <translation>Ce filtre n&apos;a aucun paramètre</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>Taille d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>en pixels</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>en pourcentage</translation>
    </message>
</context>
<context>
    <name>CFilterCustomMask</name>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Rotate mask for portrait images</source>
        <translation>Pivoter le masque en portrait</translation>
    </message>
    <message>
        <source>Use a different mask for portrait images</source>
        <translation>Autre masque pour le portrait</translation>
    </message>
    <message>
        <source>Portrait Mask</source>
        <translation>Masque portrait</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
    <message>
        <source>Select Mask</source>
        <translation>Choisir un masque</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Sur fond transparent</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Appliquer un cadre au hasard</translation>
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
        <translation>Chemin du logo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
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
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>Décalage X</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Décalage Y</translation>
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
        <translation>Échelle (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Rotation (°)</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>Dessiner un contour</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>Dessiner une ombre</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>Haut centre</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>Milieu gauche</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>Milieu droite</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>Bas centre</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>Choisir l&apos;image du filigrane</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Sur fond transparent</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Appliquer un cadre au hasard</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>En creux</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>En relief</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Resize by</source>
        <translation>Selon</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>Ne pas agrandir les photos plus
petites que la taille indiquée</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>Taille d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>en pixels</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>en pourcentage</translation>
    </message>
    <message>
        <source>Width &amp; Height</source>
        <translation>Largeur &amp; hauteur</translation>
    </message>
    <message>
        <source>Fixed Width</source>
        <translation>Largeur fixe</translation>
    </message>
    <message>
        <source>Fixed Height</source>
        <translation>Hauteur fixe</translation>
    </message>
    <message>
        <source>Fixed Width &amp; Height</source>
        <translation>Taille fixe (L &amp; H)</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>90° à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>90° à droite</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>All Photos</source>
        <translation>Toutes les photos</translation>
    </message>
    <message>
        <source>Only Portrait</source>
        <translation>En portrait</translation>
    </message>
    <message>
        <source>Only Landscape</source>
        <translation>En paysage</translation>
    </message>
</context>
<context>
    <name>CFilterSettings</name>
    <message>
        <source>&amp;Show preview</source>
        <translation>Afficher l&apos;a&amp;perçu</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>&amp;Basculer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
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
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Draw over a white background</source>
        <translation>Sur fond blanc</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>Bords</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Sur fond transparent</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Appliquer un cadre au hasard</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Nets</translation>
    </message>
    <message>
        <source>Blurred</source>
        <translation>Flous</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Use uniform dimensions</source>
        <translation>Même taille pour tous les côtés</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>en pixels</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>en pourcentage</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Copyright [Copyright] Tarn&amp;Willow</source>
        <translation>Copyright [Copyright] Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Add Keyword</source>
        <translation>Insérer...</translation>
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
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>Décalage X</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Décalage Y</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Rotation (°)</translation>
    </message>
    <message>
        <source>Line spacing (px)</source>
        <translation>Interligne (px)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alpha (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>Dessiner un contour</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Encadré</translation>
    </message>
    <message>
        <source>Draw Bounding-Box</source>
        <translation>Dessiner un encadré</translation>
    </message>
    <message>
        <source>Offset (%)</source>
        <translation>Marge (%)</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>Dessiner une ombre</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>Haut centre</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>Milieu gauche</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>Milieu droite</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>Bas centre</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>Choisir l&apos;image du filigrane</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Marque déposée</translation>
    </message>
    <message>
        <source>Trademark</source>
        <translation>Marque commerciale</translation>
    </message>
    <message>
        <source>Servicemark</source>
        <translation>Marque de service</translation>
    </message>
    <message>
        <source>Source Filename</source>
        <translation>Nom du fichier source</translation>
    </message>
    <message>
        <source>Source Extension</source>
        <translation>Extension du fichier source</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Dossier source</translation>
    </message>
    <message>
        <source>Source Path</source>
        <translation>Chemin source</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>Camera Maker</source>
        <translation>Fabricant de l&apos;appareil</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Modèle de l&apos;appareil</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Focal Length</source>
        <translation>Focale</translation>
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
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Sur fond transparent</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Appliquer un cadre au hasard</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Photos whose own format cannot be written are saved in this format</source>
        <translation>Les photos dont le format ne peut pas être écrit sont enregistrées dans ce format</translation>
    </message>
    <message>
        <source>Other formats as</source>
        <translation>Autres formats en</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>True colour (RGB)</source>
        <translation>Couleurs vraies (RVB)</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMJN</translation>
    </message>
    <message>
        <source>Custom colour profile</source>
        <translation>Profil colorimétrique personnalisé</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
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
        <translation>Compression maximale</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>True colour with transparency</source>
        <translation>Couleurs vraies avec transparence</translation>
    </message>
    <message>
        <source>Fax (Group 3)</source>
        <translation>Fax (groupe 3)</translation>
    </message>
    <message>
        <source>Fax (Group 4)</source>
        <translation>Fax (groupe 4)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Sans</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Limit the file size to</source>
        <translation>Limiter la taille du fichier à</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Entrelacement</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Use the sRGB profile</source>
        <translation>Utiliser le profil sRGB</translation>
    </message>
    <message>
        <source>Colour profile</source>
        <translation>Profil colorimétrique</translation>
    </message>
    <message>
        <source>Select a colour profile</source>
        <translation>Choisir un profil colorimétrique</translation>
    </message>
    <message>
        <source>Colour profiles (*.icc *.icm *.ICC *.ICM)</source>
        <translation>Profils colorimétriques (*.icc *.icm *.ICC *.ICM)</translation>
    </message>
</context>
<context>
    <name>CImageManager</name>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file holds no image that can be read</source>
        <translation>le fichier ne contient aucune image lisible</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <source>Top-Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Left-Top</source>
        <translation>Gauche haut</translation>
    </message>
    <message>
        <source>Right-Top</source>
        <translation>Droite haut</translation>
    </message>
    <message>
        <source>Right-Bottom</source>
        <translation>Droite bas</translation>
    </message>
    <message>
        <source>Left-Bottom</source>
        <translation>Gauche bas</translation>
    </message>
    <message>
        <source>Uncalibrated</source>
        <translation>Non calibré</translation>
    </message>
</context>
<context>
    <name>CListThumbDetails</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Prise de vue</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
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
        <translation>Espace couleur</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
</context>
<context>
    <name>CMagickRuntime</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>%1 in %2 frames</source>
        <translation>%1 en %2 images</translation>
    </message>
    <message>
        <source>%1 is more than one photo may have here (%2 megapixels).</source>
        <translation>%1 dépasse ce qu&apos;une photo peut avoir ici (%2 mégapixels).</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <source>&amp;Add Photos</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>A&amp;dd...</source>
        <translation>&amp;Dossier...</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>&amp;Show preview</source>
        <translation>Afficher l&apos;a&amp;perçu</translation>
    </message>
    <message>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>Glissez &amp; déposez vos photos ici</translation>
    </message>
    <message>
        <source>Or Click To Add Photos</source>
        <translation>Ou cliquez pour ajouter des photos</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <source>F&amp;older with Subfolders</source>
        <translation>Dossier avec &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>&amp;Rechercher &amp;&amp; ajouter</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>&amp;Petites icônes</translation>
    </message>
    <message>
        <source>&amp;Medium Icons</source>
        <translation>Icônes &amp;moyennes</translation>
    </message>
    <message>
        <source>&amp;Large Icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <source>Add &amp;Photo(s)</source>
        <translation>Ajouter des &amp;photos</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <source>Remove S&amp;elected</source>
        <translation>Retirer la &amp;sélection</translation>
    </message>
    <message>
        <source>Remove &amp;All</source>
        <translation>&amp;Tout retirer</translation>
    </message>
    <message>
        <source>Select Photo(s)</source>
        <translation>Choisir des photos</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>Aucune photo sélectionnée</translation>
    </message>
    <message>
        <source>Remove selected photo(s) from the list?</source>
        <translation>Retirer les photos sélectionnées de la liste&#xa0;?</translation>
    </message>
    <message>
        <source>Remove all photos from the list?</source>
        <translation>Retirer toutes les photos de la liste&#xa0;?</translation>
    </message>
    <message>
        <source>Add the photos you want to edit</source>
        <translation>Ajoutez vos photos</translation>
    </message>
    <message>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>Passez à l&apos;étape 2 pour les retouches</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>These files and folders were not added because their names are not valid UTF-8:</source>
        <translation>Ces fichiers et dossiers n&apos;ont pas été ajoutés car leur nom n&apos;est pas en UTF-8 valide&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <source>Add Filter</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Sh&amp;ow preview</source>
        <translation>Afficher l&apos;a&amp;perçu</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>&amp;Basculer</translation>
    </message>
    <message>
        <source>Keep Unchanged</source>
        <translation>Ne pas modifier</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>D&apos;après le dossier</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>D&apos;après la date</translation>
    </message>
    <message>
        <source>Custom Defined</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>Aucun filtre sélectionné</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Remove selected filter(s)?</source>
        <translation>Retirer le(s) filtre(s) sélectionné(s)&#xa0;?</translation>
    </message>
    <message>
        <source>Remove all filters?</source>
        <translation>Retirer tous les filtres&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Modi&amp;fier</translation>
    </message>
    <message>
        <source>&amp;Add Filter</source>
        <translation>&amp;Ajouter un filtre</translation>
    </message>
    <message>
        <source>Remove &amp;Selected</source>
        <translation>Retirer la &amp;sélection</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>&amp;Tout retirer</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>Ajoutez un filtre qui sera appliqué à toutes les photos de l&apos;étape 1</translation>
    </message>
    <message>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>Passez à l&apos;étape 3 pour choisir le dossier et le format de sortie des photos</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>S&amp;elect</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Also save on My Computer</source>
        <translation>Enregistrer aussi sur cet ordinateur</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Use SFTP</source>
        <translation>Utiliser SFTP</translation>
    </message>
    <message>
        <source>Recreate original folder structure in selected folder</source>
        <translation>Recréer l&apos;arborescence d&apos;origine dans le dossier choisi</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>Créer un seul document &amp;multipage avec toutes les photos (PDF, TIF, GIF uniquement)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;Open output folder after processing</source>
        <translation>&amp;Ouvrir le dossier de sortie après le traitement</translation>
    </message>
    <message>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>Donner aux photos de sortie la &amp;date et les attributs de l&apos;original</translation>
    </message>
    <message>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>&amp;Supprimer la photo source après le traitement (déplacer la photo)</translation>
    </message>
    <message>
        <source>Folder on My Computer (default)</source>
        <translation>Dossier sur cet ordinateur (par défaut)</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>Upload to FTP</source>
        <translation>Transférer par FTP</translation>
    </message>
    <message>
        <source>Use selected folder as output destination</source>
        <translation>Utiliser le dossier choisi comme destination</translation>
    </message>
    <message>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>Utiliser le dossier des photos d&apos;origine comme destination</translation>
    </message>
    <message>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>Créer un sous-dossier dans le dossier des photos d&apos;origine</translation>
    </message>
    <message>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>Vous avez choisi d&apos;écrire les photos obtenues dans le dossier où se trouvent les originaux.

Pour conserver les originaux tout en écrivant les photos obtenues dans ce dossier, changez le nom des photos traitées dans Étape 2 &gt; Noms.</translation>
    </message>
    <message>
        <source>Select a folder for saving the resulting photos</source>
        <translation>Choisir un dossier où enregistrer les photos obtenues</translation>
    </message>
    <message>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.

This action will only delete the originals if the processed photos are correctly written.

In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss.</source>
        <translation>Vous avez choisi de supprimer les photos d&apos;origine après l&apos;écriture des photos traitées. Nous vous conseillons de sauvegarder les originaux avant d&apos;utiliser cette option pour la première fois.

Les originaux ne sont supprimés que si les photos traitées ont été écrites correctement.

Si aucun filtre n&apos;est choisi, les photos sont simplement déplacées, très rapidement, et éventuellement renommées, sans perte de qualité.</translation>
    </message>
    <message>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>Quand vous êtes prêt, appliquez les modifications à vos photos</translation>
    </message>
</context>
<context>
    <name>COutputPaths</name>
    <message>
        <source>The sub-folder name &quot;%1&quot; is not usable: it must lie inside each photo&apos;s folder, so it may neither start with &quot;/&quot; nor hold &quot;..&quot;.</source>
        <translation>Le nom de sous-dossier «&#xa0;%1&#xa0;» n&apos;est pas utilisable&#xa0;: il doit se trouver dans le dossier de chaque photo, il ne peut donc ni commencer par «&#xa0;/&#xa0;» ni contenir «&#xa0;..&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>Glimmerbox - Processing</source>
        <translation>Glimmerbox - Traitement</translation>
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
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>Traitement de %1 photos avec %2 filtre(s) par photo.</translation>
    </message>
    <message>
        <source>Creating a single multi-page document.</source>
        <translation>Création d&apos;un seul document multipage.</translation>
    </message>
    <message>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>Système&#xa0;: %1 cœur(s) de processeur détecté(s).</translation>
    </message>
    <message>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>Lancement de %1 thread(s) d&apos;exécution.</translation>
    </message>
    <message>
        <source>Unknown destination %1: the photos are saved to the folder.</source>
        <translation>Destination inconnue %1&#xa0;: les photos sont enregistrées dans le dossier.</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>Impossible de charger</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>Le traitement des photos n&apos;est pas terminé. Interrompre l&apos;opération&#xa0;?</translation>
    </message>
    <message>
        <source>Upload not completed. Abort the operation?</source>
        <translation>Le transfert n&apos;est pas terminé. Interrompre l&apos;opération&#xa0;?</translation>
    </message>
    <message>
        <source>Process interrupted by the user.</source>
        <translation>Traitement interrompu par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>Attention&#xa0;: traitement terminé avec %1 erreurs. Les détails figurent dans le journal ci-dessus.</translation>
    </message>
    <message>
        <source>Process completed without errors.</source>
        <translation>Traitement terminé sans erreur.</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors and %2 warning(s). For details see the log above.</source>
        <translation>Attention&#xa0;: traitement terminé avec %1 erreurs et %2 avertissement(s). Les détails figurent dans le journal ci-dessus.</translation>
    </message>
    <message>
        <source>Warning: Process completed without errors, with %1 warning(s). For details see the log above.</source>
        <translation>Attention&#xa0;: traitement terminé sans erreur, avec %1 avertissement(s). Les détails figurent dans le journal ci-dessus.</translation>
    </message>
    <message>
        <source>Uploading to </source>
        <translation>Transfert vers </translation>
    </message>
    <message>
        <source>the e-mail message was not handed to the mail program: %1</source>
        <translation>le message e-mail n&apos;a pas été transmis au programme de messagerie&#xa0;: %1</translation>
    </message>
    <message>
        <source>The source photos were not deleted: the delivery did not complete.</source>
        <translation>Les photos sources n&apos;ont pas été supprimées&#xa0;: la livraison n&apos;a pas abouti.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>the upload to %1 did not complete: %2</source>
        <translation>le transfert vers %1 n&apos;a pas abouti&#xa0;: %2</translation>
    </message>
    <message>
        <source>Successfully uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>%1 photo(s) transférée(s) avec succès.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Deleting temporary files...</source>
        <translation>Suppression des fichiers temporaires...</translation>
    </message>
    <message>
        <source>Upload failed.</source>
        <translation>Échec du transfert.</translation>
    </message>
    <message>
        <source>Upload completed.</source>
        <translation>Transfert terminé.</translation>
    </message>
    <message>
        <source>Could not save log.</source>
        <translation>Impossible d&apos;enregistrer le journal.</translation>
    </message>
    <message>
        <source>Warning: the name is not valid UTF-8, left out:</source>
        <translation>Attention&#xa0;: le nom n&apos;est pas en UTF-8 valide, ignoré&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Failed to write</source>
        <translation>Impossible d&apos;écrire</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>Impossible de charger</translation>
    </message>
    <message>
        <source>Failed to Rename and Move</source>
        <translation>Impossible de renommer et déplacer</translation>
    </message>
    <message>
        <source>Failed to Rename and Copy</source>
        <translation>Impossible de renommer et copier</translation>
    </message>
    <message>
        <source>Failed to Move</source>
        <translation>Impossible de déplacer</translation>
    </message>
    <message>
        <source>Failed to Copy</source>
        <translation>Impossible de copier</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1), source kept:</source>
        <translation>Attention&#xa0;: photo endommagée (%1), source conservée&#xa0;:</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1):</source>
        <translation>Attention&#xa0;: photo endommagée (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>Impossible d&apos;appliquer le filtre «&#xa0;%1&#xa0;» à</translation>
    </message>
    <message>
        <source>Warning: %1 KB written, above the fixed size of %2 KB:</source>
        <translation>Attention&#xa0;: %1 Ko écrits, au-delà de la taille fixe de %2 Ko&#xa0;:</translation>
    </message>
    <message>
        <source>Processed</source>
        <translation>Traité</translation>
    </message>
    <message>
        <source>Processed and renamed</source>
        <translation>Traité et renommé</translation>
    </message>
    <message>
        <source>Processed and replaced</source>
        <translation>Traité et remplacé</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>The output %1 lies outside its destination folder %2.</source>
        <translation>La sortie %1 se trouve hors de son dossier de destination %2.</translation>
    </message>
    <message>
        <source>Warning: the source photos are kept, they are the pages of</source>
        <translation>Avertissement : les photos sources sont conservées, elles sont les pages de</translation>
    </message>
    <message>
        <source>Warning: the source could not be deleted (%1):</source>
        <translation>Avertissement : la source n&apos;a pas pu être supprimée (%1) :</translation>
    </message>
    <message>
        <source>Warning: the source changed during the run and was kept:</source>
        <translation>Avertissement : la source a changé pendant le traitement et a été conservée :</translation>
    </message>
    <message>
        <source>the temporary folder %1 could not be made: %2</source>
        <translation>le dossier temporaire %1 n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1), source kept:</source>
        <translation>Attention&#xa0;: métadonnées endommagées omises (%1), source conservée&#xa0;:</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1):</source>
        <translation>Attention&#xa0;: métadonnées endommagées omises (%1)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Show profiles window at startup</source>
        <translation>Afficher la fenêtre des profils au démarrage</translation>
    </message>
    <message>
        <source>Show wizard window at startup</source>
        <translation>Afficher l&apos;assistant au démarrage</translation>
    </message>
    <message>
        <source>Check for new versions automatically</source>
        <translation>Rechercher automatiquement les nouvelles versions</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Check:</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Use all the processor&apos;s cores</source>
        <translation>Utiliser tous les cœurs du processeur</translation>
    </message>
    <message>
        <source>Write the processing log</source>
        <translation>Écrire le journal de traitement</translation>
    </message>
    <message>
        <source>Edit and write every page</source>
        <translation>Modifier et écrire chaque page</translation>
    </message>
    <message>
        <source>Flatten the pages into one photo</source>
        <translation>Fusionner les pages en une seule photo</translation>
    </message>
    <message>
        <source>Edit and write the first page only</source>
        <translation>Modifier et écrire la première page seulement</translation>
    </message>
    <message>
        <source>Multi-page files:</source>
        <translation>Fichiers multipages&#xa0;:</translation>
    </message>
    <message>
        <source>RAW photos</source>
        <translation>Photos RAW</translation>
    </message>
    <message>
        <source>As shot by the camera</source>
        <translation>Telle quelle</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>White balance:</source>
        <translation>Balance des blancs&#xa0;:</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Écrêter</translation>
    </message>
    <message>
        <source>Unclip</source>
        <translation>Ne pas écrêter</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Reconstruire</translation>
    </message>
    <message>
        <source>Highlights:</source>
        <translation>Hautes lumières&#xa0;:</translation>
    </message>
    <message>
        <source>Decoder&apos;s choice</source>
        <translation>Choix du décodeur</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
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
        <translation>Interpolation&#xa0;:</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>Redémarrez Glimmerbox pour que les modifications prennent effet.</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>The written files are kept in %1</source>
        <translation>Les fichiers écrits sont conservés dans %1</translation>
    </message>
    <message>
        <source>E-mail message handed to the mail program: %1</source>
        <translation>Message e-mail transmis au programme de messagerie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Files attached successfuly. We advise deleting the temporary files that Glimmerbox may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>Fichiers joints avec succès. Nous vous conseillons de supprimer les fichiers temporaires que Glimmerbox a pu créer (seulement après avoir envoyé votre e-mail). Supprimer les fichiers temporaires maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Could not open default mail client.</source>
        <translation>Impossible d&apos;ouvrir le programme de messagerie par défaut.</translation>
    </message>
    <message>
        <source>The upload was stopped.</source>
        <translation>Le transfert a été arrêté.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>No transfer could be set up.</source>
        <translation>Aucun transfert n&apos;a pu être préparé.</translation>
    </message>
    <message>
        <source>The user name or the password holds a line break, which the FTP server would take for a command of its own: nothing was sent.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe contient un saut de ligne, que le serveur FTP prendrait pour une commande à part : rien n&apos;a été envoyé.</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <source>Welcome to Glimmerbox!</source>
        <translation>Bienvenue dans Glimmerbox&#xa0;!</translation>
    </message>
    <message>
        <source>Glimmerbox&apos;s interface is designed as a three-step wizard, so you just need to follow the predefined steps in order to edit your photos!</source>
        <translation>L&apos;interface de Glimmerbox est un assistant en trois étapes&#xa0;: il vous suffit de suivre les étapes prévues pour modifier vos photos&#xa0;!</translation>
    </message>
    <message>
        <source>To get help press the F1 key anywhere in the interface for a detailed description of the settings.

Press &apos;Next&apos; to see the tutorials.</source>
        <translation>Pour obtenir une description détaillée des paramètres, appuyez sur la touche F1 n&apos;importe où dans l&apos;interface.

Cliquez sur «&#xa0;Suivant&#xa0;» pour voir les tutoriels.</translation>
    </message>
    <message>
        <source>Don&apos;t show this wizard again</source>
        <translation>Ne plus afficher cet assistant</translation>
    </message>
    <message>
        <source>For a more in-depth, hands-on experience we recommend the following tutorial:</source>
        <translation>Pour une découverte plus approfondie et pratique, nous vous recommandons ce tutoriel&#xa0;:</translation>
    </message>
    <message>
        <source>Tutorial - How to Resize and Rotate</source>
        <translation>Tutoriel - Redimensionner et faire pivoter</translation>
    </message>
</context>
<context>
    <name>FilterBounds</name>
    <message>
        <source>border width</source>
        <translation>la largeur de bordure</translation>
    </message>
    <message>
        <source>strip height</source>
        <translation>la hauteur de bande</translation>
    </message>
    <message>
        <source>width</source>
        <translation>la largeur</translation>
    </message>
    <message>
        <source>height</source>
        <translation>la hauteur</translation>
    </message>
    <message>
        <source>stroke width</source>
        <translation>la largeur du contour</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>l&apos;épaisseur de ligne</translation>
    </message>
    <message>
        <source>size</source>
        <translation>la taille</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>le rayon</translation>
    </message>
    <message>
        <source>sigma</source>
        <translation>le sigma</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>l&apos;amplitude</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is beyond its limit of %4.</source>
        <translation>Filtre «&#xa0;%1&#xa0;»&#xa0;: %3 pour %2 dépasse la limite de %4.</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s result of %2</source>
        <translation>Le résultat du filtre «&#xa0;%1&#xa0;» de %2</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is too small to resize to.</source>
        <translation>Filtre «&#xa0;%1&#xa0;»&#xa0;: %3 pour %2 est trop petit pour redimensionner.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>This copy of Glimmerbox has no address for its help pages.</source>
        <translation>Cette copie de Glimmerbox n&apos;a aucune adresse pour ses pages d&apos;aide.</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address for its web site.</source>
        <translation>Cette copie de Glimmerbox n&apos;a aucune adresse pour son site web.</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>Wi&amp;zard</source>
        <translation>Assis&amp;tant</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Tutorials</source>
        <translation>&amp;Tutoriels</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Load Profile</source>
        <translation>&amp;Charger un profil</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Enregistrer le profil sous</translation>
    </message>
    <message>
        <source>Save Script</source>
        <translation>Enregistrer le script</translation>
    </message>
    <message>
        <source>Save Script As</source>
        <translation>Enregistrer le script sous</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Show &amp;Log</source>
        <translation>Afficher le &amp;journal</translation>
    </message>
    <message>
        <source>Select Pr&amp;ofile</source>
        <translation>Choisir un pr&amp;ofil</translation>
    </message>
    <message>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Étape 1 - Ajouter des &amp;photos</translation>
    </message>
    <message>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Étape 2 - &amp;Modifier les photos</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Step 3 - &amp;Setup</source>
        <translation>Étape 3 - &amp;Configurer</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Traiter</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Help Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>Comment &amp;redimensionner et faire pivoter des photos</translation>
    </message>
    <message>
        <source>Check for &amp;New Version</source>
        <translation>Rechercher une &amp;nouvelle version</translation>
    </message>
    <message>
        <source>&amp;Online Support</source>
        <translation>&amp;Assistance en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Visiter notre site Web</translation>
    </message>
    <message>
        <source>&amp;About Us</source>
        <translation>À &amp;propos de nous</translation>
    </message>
    <message>
        <source>Save Project &amp;As</source>
        <translation>Enregistrer le projet &amp;sous</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Load Project</source>
        <translation>&amp;Charger un projet</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Enregistrer le projet</translation>
    </message>
    <message>
        <source>&amp;Video Presentations</source>
        <translation>Présentations &amp;vidéo</translation>
    </message>
    <message>
        <source>How to &amp;Add Comments and Time to Photos</source>
        <translation>Comment &amp;ajouter des commentaires et l&apos;heure aux photos</translation>
    </message>
    <message>
        <source>&amp;Wizard Steps</source>
        <translation>Étapes de l&apos;&amp;assistant</translation>
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
        <translation>&amp;Japonais</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>Redémarrez Glimmerbox pour que les modifications prennent effet.</translation>
    </message>
    <message>
        <source>Wizard Steps</source>
        <translation>Étapes de l&apos;assistant</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Edit Photos</source>
        <translation>Modifier les photos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Étape 1 - Ajoutez toutes les photos à modifier</translation>
    </message>
    <message>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Étape 2 - Choisissez les filtres à appliquer à toutes les photos sélectionnées</translation>
    </message>
    <message>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Étape 3 - Choisissez le dossier et le format de sortie des photos modifiées</translation>
    </message>
    <message>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Quand vous êtes prêt, choisissez Traiter pour modifier toutes vos photos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>Il ne vous reste qu&apos;à ajouter vos photos à l&apos;étape 1 et, si vous le souhaitez, à ajuster les paramètres des étapes 2 et 3.

Choisissez ensuite Traiter.</translation>
    </message>
    <message>
        <source>Could not load profile.</source>
        <translation>Impossible de charger le profil.</translation>
    </message>
    <message>
        <source>Could not load script.</source>
        <translation>Impossible de charger le script.</translation>
    </message>
    <message>
        <source>There are no photos to process.</source>
        <translation>Il n&apos;y a aucune photo à traiter.</translation>
    </message>
    <message>
        <source>Ready to process %1 photos?</source>
        <translation>Prêt à traiter %1 photos&#xa0;?</translation>
    </message>
    <message>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>Un dossier de sortie pour les photos modifiées doit être choisi avant le traitement (Étape 3 &gt; Destination &gt; Dossier sur cet ordinateur)</translation>
    </message>
    <message>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>Le dossier choisi n&apos;existe pas. Voulez-vous le créer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>Vous avez choisi de supprimer les photos sources après l&apos;écriture des photos modifiées. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Could not save profile.</source>
        <translation>Impossible d&apos;enregistrer le profil.</translation>
    </message>
    <message>
        <source>Do you want to disable all notifications when running the script?</source>
        <translation>Voulez-vous désactiver toutes les notifications lors de l&apos;exécution du script&#xa0;?</translation>
    </message>
    <message>
        <source>Could not save script.</source>
        <translation>Impossible d&apos;enregistrer le script.</translation>
    </message>
    <message>
        <source>Would you like to save your settings?</source>
        <translation>Voulez-vous enregistrer vos paramètres&#xa0;?</translation>
    </message>
    <message>
        <source>Your settings will be discarded. Continue?</source>
        <translation>Vos paramètres seront abandonnés. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>The log file will be created after the first processing session.</source>
        <translation>Le fichier journal sera créé après le premier traitement.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Marks</source>
        <translation>Filigranes</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Décoration</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Shape Frame</source>
        <translation>Cadre de forme</translation>
    </message>
    <message>
        <source>Grunge Frame</source>
        <translation>Cadre grunge</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Cadre photo</translation>
    </message>
    <message>
        <source>Vintage Frame</source>
        <translation>Cadre vintage</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Relief</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Simple Border</source>
        <translation>Bordure simple</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Rotation auto</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>Ajoute un commentaire d&apos;une ou de plusieurs lignes</translation>
    </message>
    <message>
        <source>Stamps picture with date and time information</source>
        <translation>Inscrit la date et l&apos;heure sur la photo</translation>
    </message>
    <message>
        <source>Adds a text copyright notice</source>
        <translation>Ajoute une mention de copyright en texte</translation>
    </message>
    <message>
        <source>Adds a copyright logo</source>
        <translation>Ajoute un logo de copyright</translation>
    </message>
    <message>
        <source>Adds a simple shaped frame</source>
        <translation>Ajoute un cadre de forme simple</translation>
    </message>
    <message>
        <source>Adds a grunge frame</source>
        <translation>Ajoute un cadre grunge</translation>
    </message>
    <message>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>Ajoute des masques différents aux photos en portrait et en paysage</translation>
    </message>
    <message>
        <source>Adds a classic picture frame</source>
        <translation>Ajoute un cadre photo classique</translation>
    </message>
    <message>
        <source>Adds a vintage frame</source>
        <translation>Ajoute un cadre vintage</translation>
    </message>
    <message>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>Crée un cadre façon photo instantanée</translation>
    </message>
    <message>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>Éclaircit ou assombrit les bords de la photo pour un effet 3D en relief ou en creux</translation>
    </message>
    <message>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>Donne à la photo une ombre autour des bords</translation>
    </message>
    <message>
        <source>Adds a simple border around the picture</source>
        <translation>Ajoute une bordure simple autour de la photo</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance</source>
        <translation>Rend la photo floue</translation>
    </message>
    <message>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>Transforme la photo en dessin au fusain</translation>
    </message>
    <message>
        <source>Highlights edges in picture</source>
        <translation>Fait ressortir les contours de la photo</translation>
    </message>
    <message>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>Fait ressortir les contours de la photo avec un effet 3D</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>Rend la photo floue avec l&apos;algorithme du flou gaussien</translation>
    </message>
    <message>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>Convertit les couleurs vraies en niveaux de gris</translation>
    </message>
    <message>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>Crée un effet d&apos;implosion au centre de la photo</translation>
    </message>
    <message>
        <source>Replaces every pixel with its complementary color</source>
        <translation>Remplace chaque pixel par sa couleur complémentaire</translation>
    </message>
    <message>
        <source>Adds noise to picture</source>
        <translation>Ajoute du bruit à la photo</translation>
    </message>
    <message>
        <source>Makes picture look like an oil painting</source>
        <translation>Donne à la photo l&apos;aspect d&apos;une peinture à l&apos;huile</translation>
    </message>
    <message>
        <source>Makes picture look older, in warmer colors</source>
        <translation>Vieillit la photo avec des couleurs plus chaudes</translation>
    </message>
    <message>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>Donne l&apos;impression que la pellicule a été exposée à la lumière pendant le développement</translation>
    </message>
    <message>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>Donne à la photo l&apos;aspect d&apos;une sculpture en niveaux de gris ou en couleurs vraies</translation>
    </message>
    <message>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>Rend la photo floue en dispersant les pixels au hasard</translation>
    </message>
    <message>
        <source>Creates a twisting motion</source>
        <translation>Crée un mouvement de tourbillon</translation>
    </message>
    <message>
        <source>Creates a horizontal wave effect</source>
        <translation>Crée un effet de vague horizontale</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast</source>
        <translation>Ajuste automatiquement le contraste</translation>
    </message>
    <message>
        <source>Automatically adjusts gamma level</source>
        <translation>Ajuste automatiquement le gamma</translation>
    </message>
    <message>
        <source>Automatically adjusts color levels</source>
        <translation>Ajuste automatiquement les niveaux de couleur</translation>
    </message>
    <message>
        <source>Adjusts light intensity</source>
        <translation>Ajuste la luminosité</translation>
    </message>
    <message>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>Accentue les écarts d&apos;intensité entre les pixels clairs et foncés</translation>
    </message>
    <message>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>Ajuste les canaux de couleur rouge, vert et bleu</translation>
    </message>
    <message>
        <source>Applies a histogram equalization</source>
        <translation>Égalise l&apos;histogramme</translation>
    </message>
    <message>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>Corrige la teinte, la saturation et la luminosité</translation>
    </message>
    <message>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>Ajuste les niveaux en étendant les couleurs situées entre les points blanc et noir indiqués à toute la plage disponible</translation>
    </message>
    <message>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>Réduit le bruit dû à un mauvais éclairage ou aux appareils photo mobiles</translation>
    </message>
    <message>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>Rend la photo plus nette en accentuant le contraste des contours</translation>
    </message>
    <message>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>Rend la photo plus nette avec les options Rayon et Seuil</translation>
    </message>
    <message>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>Fait pivoter les photos automatiquement d&apos;après les informations enregistrées par l&apos;appareil photo</translation>
    </message>
    <message>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>Recadre automatiquement la photo selon les proportions indiquées</translation>
    </message>
    <message>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>Remplace une couleur RVB ou le canal alpha</translation>
    </message>
    <message>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Découpe une zone rectangulaire de la photo</translation>
    </message>
    <message>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>Retourne la photo verticalement et/ou horizontalement</translation>
    </message>
    <message>
        <source>Adjusts image size using pixels or percents</source>
        <translation>Modifie la taille de la photo en pixels ou en pourcentage</translation>
    </message>
    <message>
        <source>Adjusts document size and DPI resolution</source>
        <translation>Modifie la taille du document et la résolution en DPI</translation>
    </message>
    <message>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>Fait défiler la photo verticalement ou horizontalement d&apos;un nombre de pixels donné</translation>
    </message>
    <message>
        <source>Rotates by a specified number of degrees</source>
        <translation>Fait pivoter d&apos;un nombre de degrés donné</translation>
    </message>
    <message>
        <source>Creates a small thumbnail from the picture</source>
        <translation>Crée une petite vignette de la photo</translation>
    </message>
    <message>
        <source>Keep original image format (if possible)</source>
        <translation>Conserver le format d&apos;origine (si possible)</translation>
    </message>
    <message>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>Le projet a été créé avec une autre version du programme et risque de ne pas être importé correctement.
Pour corriger d&apos;éventuels problèmes, ajustez les paramètres puis enregistrez.</translation>
    </message>
    <message>
        <source>Auto Gamma</source>
        <translation>Gamma auto</translation>
    </message>
    <message>
        <source>Convert to JPEG with High Quality</source>
        <translation>JPEG haute qualité</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>Convertir au format JPEG en haute qualité (90&#xa0;%), ce qui donne des fichiers plus gros.</translation>
    </message>
    <message>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>JPEG qualité moyenne</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>Convertir au format JPEG en qualité moyenne (75&#xa0;%), ce qui donne des fichiers de taille moyenne.</translation>
    </message>
    <message>
        <source>Convert to PDF Album</source>
        <translation>Album PDF</translation>
    </message>
    <message>
        <source>Create a single PDF album from all the photos added</source>
        <translation>Créer un seul album PDF avec toutes les photos ajoutées</translation>
    </message>
    <message>
        <source>Convert to PNG</source>
        <translation>Convertir en PNG</translation>
    </message>
    <message>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>Convertir au format PNG pour une qualité optimale.</translation>
    </message>
    <message>
        <source>Convert to TIFF</source>
        <translation>Convertir en TIFF</translation>
    </message>
    <message>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>Convertir au format TIFF pour une qualité optimale.</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contraste auto</translation>
    </message>
    <message>
        <source>Add Date and Time</source>
        <translation>Ajouter la date et l&apos;heure</translation>
    </message>
    <message>
        <source>Reduce Noise</source>
        <translation>Réduire le bruit</translation>
    </message>
    <message>
        <source>Adjust Sharpness</source>
        <translation>Ajuster la netteté</translation>
    </message>
    <message>
        <source>Effect Black &amp; White</source>
        <translation>Effet noir &amp; blanc</translation>
    </message>
    <message>
        <source>Effect Charcoal</source>
        <translation>Effet fusain</translation>
    </message>
    <message>
        <source>Effect Implode</source>
        <translation>Effet implosion</translation>
    </message>
    <message>
        <source>Effect Oil Painting</source>
        <translation>Effet peinture à l&apos;huile</translation>
    </message>
    <message>
        <source>Effect Raise</source>
        <translation>Effet relief</translation>
    </message>
    <message>
        <source>Effect Sepia</source>
        <translation>Effet sépia</translation>
    </message>
    <message>
        <source>Effect Shade</source>
        <translation>Effet ombrage</translation>
    </message>
    <message>
        <source>Effect Spread</source>
        <translation>Effet dispersion</translation>
    </message>
    <message>
        <source>Effect Swirl</source>
        <translation>Effet tourbillon</translation>
    </message>
    <message>
        <source>Effect Wave</source>
        <translation>Effet vague</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Renommer d&apos;après le dossier</translation>
    </message>
    <message>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>Si les photos sont rangées dans un dossier au nom explicite, ce profil renomme toutes les photos qu&apos;il contient d&apos;après le nom du dossier</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Renommer d&apos;après la date</translation>
    </message>
    <message>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>Renomme les photos d&apos;après leur date de prise de vue et ajoute un compteur pour distinguer les photos prises au même moment</translation>
    </message>
    <message>
        <source>Resize for Auction Site</source>
        <translation>Redimensionner pour un site d&apos;enchères</translation>
    </message>
    <message>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>Rendre les photos très petites (400x300) pour les publier sur des sites d&apos;enchères comme eBay</translation>
    </message>
    <message>
        <source>Resize for Sending via Email</source>
        <translation>Redimensionner pour l&apos;envoi par e-mail</translation>
    </message>
    <message>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>Réduire les photos (1280x960) pour les envoyer en pièce jointe par e-mail</translation>
    </message>
    <message>
        <source>Resize for Uploading Online</source>
        <translation>Redimensionner pour la mise en ligne</translation>
    </message>
    <message>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Réduire les photos (1600x1200) pour les publier sur des sites comme Facebook, Picasa, ou pour les partager avec des amis</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>Send photos via E-mail</source>
        <translation>Envoyer les photos par e-mail</translation>
    </message>
    <message>
        <source>Upload to Twitpic</source>
        <translation>Publier sur Twitpic</translation>
    </message>
    <message>
        <source>Upload photos to Twitpic</source>
        <translation>Publier les photos sur Twitpic</translation>
    </message>
    <message>
        <source>Upload to Picasa</source>
        <translation>Publier sur Picasa</translation>
    </message>
    <message>
        <source>Upload photos to Picasa</source>
        <translation>Publier les photos sur Picasa</translation>
    </message>
    <message>
        <source>Upload to Facebook</source>
        <translation>Publier sur Facebook</translation>
    </message>
    <message>
        <source>Upload photos to Facebook</source>
        <translation>Publier les photos sur Facebook</translation>
    </message>
</context>
</TS>
