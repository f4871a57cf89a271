<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Modelwright Version 2.0</source>
        <translation>Modelwright version 2.0</translation>
    </message>
    <message>
        <source>The Modelwright developers</source>
        <translation>Les développeurs de Modelwright</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>About Modelwright</source>
        <translation>À propos de Modelwright</translation>
    </message>
    <message>
        <source>Modelwright</source>
        <translation>Modelwright</translation>
    </message>
    <message>
        <source>version</source>
        <translation>version</translation>
    </message>
</context>
<context>
    <name>CBuildingDlg</name>
    <message>
        <source>Building edit dialog</source>
        <translation>Modifier le bâtiment</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Informations d&apos;en-tête</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>P&amp;rice</source>
        <translation>&amp;Prix</translation>
    </message>
    <message>
        <source>&amp;Parts per package</source>
        <translation>Piè&amp;ces par paquet</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>C&amp;atalogue no</source>
        <translation>&amp;N° de catalogue</translation>
    </message>
    <message>
        <source>&amp;Building elements</source>
        <translation>É&amp;léments du bâtiment</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>Nou&amp;veau ...</translation>
    </message>
    <message>
        <source>&amp;Edit ...</source>
        <translation>&amp;Modifier ...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Free text after last element</source>
        <translation>&amp;Texte libre après le dernier élément</translation>
    </message>
</context>
<context>
    <name>CBuildingElementDlg</name>
    <message>
        <source>Ridge roof</source>
        <translation>Toit à deux pans</translation>
    </message>
    <message>
        <source>Roof with sloping sides and a flat top</source>
        <translation>Toit à pans inclinés et dessus plat</translation>
    </message>
    <message>
        <source>Single-slope roof</source>
        <translation>Toit à un pan</translation>
    </message>
    <message>
        <source>Building element</source>
        <translation>Élément de bâtiment</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Ha&amp;uteur</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;0°</source>
        <translation>&amp;0°</translation>
    </message>
    <message>
        <source>&amp;90°</source>
        <translation>&amp;90°</translation>
    </message>
    <message>
        <source>&amp;180°</source>
        <translation>&amp;180°</translation>
    </message>
    <message>
        <source>&amp;270°</source>
        <translation>&amp;270°</translation>
    </message>
    <message>
        <source>De&amp;pth</source>
        <translation>&amp;Profondeur</translation>
    </message>
    <message>
        <source>&amp;Block color</source>
        <translation>Couleur du &amp;bloc</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Toit</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <translation>An&amp;gle</translation>
    </message>
    <message>
        <source>&amp;Roof color</source>
        <translation>&amp;Couleur du toit</translation>
    </message>
    <message>
        <source>Roof type</source>
        <translation>Type de toit</translation>
    </message>
    <message>
        <source>No roo&amp;f</source>
        <translation>Pas de &amp;toit</translation>
    </message>
    <message>
        <source>Roof orientation</source>
        <translation>Orientation du toit</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Position de l&apos;élément</translation>
    </message>
    <message>
        <source>Lower left corner of block:</source>
        <translation>Coin inférieur gauche du bloc :</translation>
    </message>
    <message>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>&amp;Z:</source>
        <translation>&amp;Z:</translation>
    </message>
    <message>
        <source>Decoration&amp;s</source>
        <translation>Portes et &amp;fenêtres</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Nouveau ...</translation>
    </message>
    <message>
        <source>&amp;Edit  ...</source>
        <translation>&amp;Modifier ...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Choose a roof type</source>
        <translation>Choisissez un type de toit</translation>
    </message>
    <message>
        <source>Choose a roof orientation</source>
        <translation>Choisissez une orientation du toit</translation>
    </message>
    <message>
        <source>Block height must not be 0</source>
        <translation>La hauteur du bloc ne doit pas être 0</translation>
    </message>
    <message>
        <source>Block width must not be 0</source>
        <translation>La largeur du bloc ne doit pas être 0</translation>
    </message>
    <message>
        <source>Block depth must not be 0</source>
        <translation>La profondeur du bloc ne doit pas être 0</translation>
    </message>
    <message>
        <source>Free additional &amp;text</source>
        <translation>T&amp;exte libre supplémentaire</translation>
    </message>
    <message>
        <source>Hipped roof</source>
        <translation>Toit en croupe</translation>
    </message>
    <message>
        <source>Half-hipped roof</source>
        <translation>Toit à demi-croupe</translation>
    </message>
    <message>
        <source>Hipped roof with a flat top</source>
        <translation>Toit en croupe à sommet plat</translation>
    </message>
</context>
<context>
    <name>CCatalogueSheet</name>
    <message>
        <source>Phone: %1</source>
        <translation>Téléphone : %1</translation>
    </message>
    <message>
        <source>Fax: %1</source>
        <translation>Fax : %1</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>the locale whose numbers and dates the sheet shows</comment>
        <translation>fr_FR</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>price and currency</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Kind: %1</source>
        <translation>Type : %1</translation>
    </message>
    <message>
        <source>Catalogue number: %1</source>
        <translation>Numéro de catalogue : %1</translation>
    </message>
    <message>
        <source>Price: %1</source>
        <translation>Prix : %1</translation>
    </message>
    <message>
        <source>Parts per package: %1</source>
        <translation>Pièces par paquet : %1</translation>
    </message>
    <message>
        <source>Size (W %1 D %1 H): %2</source>
        <translation>Taille (L %1 P %1 H) : %2</translation>
    </message>
    <message>
        <source>Real size at %1: %2</source>
        <translation>Taille réelle à %1 : %2</translation>
    </message>
    <message>
        <source> in</source>
        <translation> po</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Auteur : %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Prices in %1</source>
        <translation>Prix en %1</translation>
    </message>
    <message>
        <source>Model scale %1</source>
        <translation>Échelle du modèle %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Representative</source>
        <translation>Représentant</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>The part is too large to draw.</source>
        <translation>La pièce est trop grande pour être dessinée.</translation>
    </message>
    <message>
        <source>Index of catalogue numbers</source>
        <translation>Index des numéros de catalogue</translation>
    </message>
</context>
<context>
    <name>CColorButton</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Autres couleurs...</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Dark Olive Green</source>
        <translation>Vert olive foncé</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Bleu-vert foncé</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark yellow</source>
        <translation>Jaune foncé</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu-vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blue-grey</source>
        <translation>Gris-bleu</translation>
    </message>
    <message>
        <source>Grey - 40</source>
        <translation>Gris - 40</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Light orange</source>
        <translation>Orange clair</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Sea green</source>
        <translation>Vert d&apos;eau</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Grey - 50</source>
        <translation>Gris - 50</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Vert vif</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <source>Pale turquoise</source>
        <translation>Turquoise pâle</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Bleu pâle</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>CDecorationDlg</name>
    <message>
        <source>&amp;1 window</source>
        <translation>&amp;1 carreau</translation>
    </message>
    <message>
        <source>&amp;2 windows</source>
        <translation>&amp;2 carreaux</translation>
    </message>
    <message>
        <source>&amp;4 windows</source>
        <translation>&amp;4 carreaux</translation>
    </message>
    <message>
        <source>&amp;6 windows</source>
        <translation>&amp;6 carreaux</translation>
    </message>
    <message>
        <source>&amp;8 windows</source>
        <translation>&amp;8 carreaux</translation>
    </message>
    <message>
        <source>Decorations edit dialog</source>
        <translation>Modifier les portes et fenêtres</translation>
    </message>
    <message>
        <source>D&amp;escription</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Position relative to lower left corner of the wall</source>
        <translation>Position par rapport au coin inférieur gauche du mur</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Z:</source>
        <translation>&amp;Z:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Wid&amp;th</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>Which wall?</source>
        <translation>Quel mur ?</translation>
    </message>
    <message>
        <source>Choose a wall</source>
        <translation>Choisissez un mur</translation>
    </message>
    <message>
        <source>Choose a main type</source>
        <translation>Choisissez un type principal</translation>
    </message>
    <message>
        <source>Choose a subtype</source>
        <translation>Choisissez un sous-type</translation>
    </message>
    <message>
        <source>Width must not be 0</source>
        <translation>La largeur ne doit pas être 0</translation>
    </message>
    <message>
        <source>Height must not be 0</source>
        <translation>La hauteur ne doit pas être 0</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>A&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Rear</source>
        <translation>Arriè&amp;re</translation>
    </message>
    <message>
        <source>&amp;Left side</source>
        <translation>Côté &amp;gauche</translation>
    </message>
    <message>
        <source>Right &amp;side</source>
        <translation>Cô&amp;té droit</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>&amp;Main color</source>
        <translation>&amp;Couleur principale</translation>
    </message>
    <message>
        <source>&amp;Inner color</source>
        <translation>Couleur &amp;intérieure</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Types</translation>
    </message>
    <message>
        <source>Main type</source>
        <translation>Type principal</translation>
    </message>
    <message>
        <source>&amp;Base A</source>
        <translation>&amp;Base A</translation>
    </message>
    <message>
        <source>B&amp;ase B</source>
        <translation>Ba&amp;se B</translation>
    </message>
    <message>
        <source>Subtype</source>
        <translation>Sous-type</translation>
    </message>
    <message>
        <source>&amp;Door</source>
        <translation>&amp;Porte</translation>
    </message>
    <message>
        <source>Door with wi&amp;ndow</source>
        <translation>Porte vitré&amp;e</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenêtre</translation>
    </message>
    <message>
        <source>Window count</source>
        <translation>Nombre de carreaux</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>CGeneralOptions</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>5.x</source>
        <translation>5.x</translation>
    </message>
    <message>
        <source>6.x</source>
        <translation>6.x</translation>
    </message>
    <message>
        <source>General options</source>
        <translation>Options générales</translation>
    </message>
    <message>
        <source>&amp;Select language</source>
        <translation>C&amp;hoisir la langue</translation>
    </message>
    <message>
        <source>&amp;Winrail version </source>
        <translation>&amp;Version de Winrail </translation>
    </message>
    <message>
        <source>&amp;Use hexahedron instead of Hexaedron (bug fix)</source>
        <translation>&amp;Utiliser hexahedron au lieu de Hexaedron (correction)</translation>
    </message>
    <message>
        <source>&amp;Keep unsaved changes for recovery every</source>
        <translation>&amp;Conserver les modifications non enregistrées pour la récupération toutes les</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Keep the previous version as a &amp;backup (.bak) when saving</source>
        <translation>Conserver la version précédente comme &amp;sauvegarde (.bak) à l&apos;enregistrement</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Co&amp;mpile command</source>
        <translation>Co&amp;mmande de compilation</translation>
    </message>
    <message>
        <source>Run by &quot;Export and compile&quot; on the parts file; %f stands for the file. Empty: the desktop&apos;s program for parts files.</source>
        <translation>Lancée par « Exporter et compiler » sur le fichier de pièces ; %f représente le fichier. Vide : le programme du bureau pour les fichiers de pièces.</translation>
    </message>
</context>
<context>
    <name>CHeaderDlg</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Street+nr</source>
        <translation>Rue+n°</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Edit header</source>
        <translation>Modifier l&apos;en-tête</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>A&amp;uteur</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>C&amp;urrency</source>
        <translation>D&amp;evise</translation>
    </message>
    <message>
        <source>Edit &amp;manufacturer ...</source>
        <translation>&amp;Modifier le fabricant ...</translation>
    </message>
    <message>
        <source>Edit &amp;representative ...</source>
        <translation>Modifier le &amp;représentant ...</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Modelwright</source>
        <translation>Modelwright</translation>
    </message>
    <message>
        <source>Cannot find the help file. Please reinstall.</source>
        <translation>Impossible de trouver le fichier d&apos;aide. Veuillez réinstaller le programme.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>Modelwright Help</source>
        <translation>Aide de Modelwright</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <comment>Caps Lock is on</comment>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>Num Lock is on</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <comment>Scroll Lock is on</comment>
        <translation>DEFIL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Start a new catalogue</source>
        <translation>Commencer un nouveau catalogue</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open a catalogue file</source>
        <translation>Ouvrir un fichier catalogue</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the catalogue</source>
        <translation>Enregistrer le catalogue</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the catalogue under a new name</source>
        <translation>Enregistrer le catalogue sous un nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the catalogue</source>
        <translation>Imprimer le catalogue</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>Afficher les pages imprimées</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Choose the printer and the page</source>
        <translation>Choisir l&apos;imprimante et la page</translation>
    </message>
    <message>
        <source>Sen&amp;d...</source>
        <translation>En&amp;voyer...</translation>
    </message>
    <message>
        <source>Send the catalogue file by mail</source>
        <translation>Envoyer le fichier catalogue par e-mail</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Open a recently used catalogue</source>
        <translation>Ouvrir un catalogue utilisé récemment</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changes</source>
        <translation>Quitter le programme ; propose d&apos;enregistrer les modifications</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>P&amp;art</source>
        <translation>&amp;Pièce</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Choose the language, the Winrail version and the hexahedron keyword</source>
        <translation>Choisir la langue, la version de Winrail et le mot-clé de l&apos;hexaèdre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Show the contents of the help</source>
        <translation>Afficher le sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show the help on the active window</source>
        <translation>Afficher l&apos;aide de la fenêtre active</translation>
    </message>
    <message>
        <source>Context help</source>
        <translation>Aide contextuelle</translation>
    </message>
    <message>
        <source>Show the help on the next window clicked</source>
        <translation>Afficher l&apos;aide de la prochaine fenêtre cliquée</translation>
    </message>
    <message>
        <source>&amp;About Modelwright...</source>
        <translation>À &amp;propos de Modelwright...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and copyright</source>
        <translation>Afficher la version et le copyright du programme</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Refaire la modification annulée</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Exported one part to %1</source>
        <translation>Une pièce exportée vers %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n parts to %1</source>
        <translation>
            <numerusform>%n pièce exportée vers %1</numerusform>
            <numerusform>%n pièces exportées vers %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The free texts have one fault, listed under the preview.</source>
        <translation>Les textes libres ont une erreur, listée sous l’aperçu.</translation>
    </message>
    <message numerus="yes">
        <source>The free texts have %n faults, listed under the preview.</source>
        <translation>
            <numerusform>Les textes libres ont %n erreur, listée sous l’aperçu.</numerusform>
            <numerusform>Les textes libres ont %n erreurs, listées sous l’aperçu.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Save the catalogue under another name?</source>
        <translation>Enregistrer le catalogue sous un autre nom ?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Winrail Object Files (*.wo3)</source>
        <translation>Fichiers objets Winrail (*.wo3)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>The catalogue was saved, but its previous version could not be kept as %1.
%2</source>
        <translation>Le catalogue a été enregistré, mais sa version précédente n&apos;a pas pu être conservée sous %1.
%2</translation>
    </message>
    <message>
        <source>Open this catalogue</source>
        <translation>Ouvrir ce catalogue</translation>
    </message>
    <message>
        <source>%1 cannot be printed: the printer &quot;%2&quot; is not available.</source>
        <translation>Impossible d&apos;imprimer %1 : l&apos;imprimante « %2 » n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>%1 cannot be printed: no printer is available.</source>
        <translation>Impossible d&apos;imprimer %1 : aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <source>%1 cannot be printed: no printer is chosen as the default.</source>
        <translation>Impossible d&apos;imprimer %1 : aucune imprimante par défaut n&apos;est choisie.</translation>
    </message>
    <message>
        <source>Failed to send mail.</source>
        <translation>L&apos;envoi de l&apos;e-mail a échoué.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Export 3D &amp;model...</source>
        <translation>Exporter en &amp;modèle 3D...</translation>
    </message>
    <message>
        <source>Write the selected part or all parts as a 3D model for other programs (glTF or OBJ)</source>
        <translation>Écrire la pièce choisie ou toutes les pièces comme modèle 3D pour d’autres programmes (glTF ou OBJ)</translation>
    </message>
    <message>
        <source>Export 3D model</source>
        <translation>Exporter en modèle 3D</translation>
    </message>
    <message>
        <source>Export the selected part &quot;%1&quot; or all %2 parts of the catalogue?</source>
        <translation>Exporter la pièce choisie « %1 » ou les %2 pièces du catalogue ?</translation>
    </message>
    <message>
        <source>&amp;Selected part</source>
        <translation>&amp;Pièce choisie</translation>
    </message>
    <message>
        <source>&amp;All parts</source>
        <translation>&amp;Toutes les pièces</translation>
    </message>
    <message>
        <source>glTF binary (*.glb)</source>
        <translation>glTF binaire (*.glb)</translation>
    </message>
    <message>
        <source>Wavefront OBJ (*.obj)</source>
        <translation>Wavefront OBJ (*.obj)</translation>
    </message>
    <message>
        <source>The catalogue has no parts to export.</source>
        <translation>Le catalogue n’a aucune pièce à exporter.</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Export &amp;catalogue as PDF...</source>
        <translation>Exporter le catalogue en &amp;PDF...</translation>
    </message>
    <message>
        <source>Write the illustrated catalogue sheet as a PDF file to hand out</source>
        <translation>Écrire le catalogue illustré dans un fichier PDF à distribuer</translation>
    </message>
    <message>
        <source>%1: the PDF file to write is missing; give it after the catalogue.</source>
        <translation>%1 : le fichier PDF à écrire manque ; indiquez-le après le catalogue.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no model scale; write it as 1:87.</source>
        <translation>« %1 » n’est pas une échelle de modèle ; écrivez-la sous la forme 1:87.</translation>
    </message>
    <message>
        <source>%1 is already open in another Modelwright window.</source>
        <translation>%1 est déjà ouvert dans une autre fenêtre de Modelwright.</translation>
    </message>
    <message>
        <source>Editing it here as well would make two versions of it, each saved over the other.</source>
        <translation>Le modifier ici aussi en ferait deux versions, chacune enregistrée par-dessus l&apos;autre.</translation>
    </message>
    <message>
        <source>&amp;Switch to It</source>
        <translation>&amp;Y aller</translation>
    </message>
    <message>
        <source>%1 was changed by another program at %2, after it was opened or saved here. Saving replaces those changes with yours.</source>
        <translation>%1 a été modifié par un autre programme le %2, après avoir été ouvert ou enregistré ici. L&apos;enregistrement remplace ces modifications par les vôtres.</translation>
    </message>
    <message>
        <source>Reload opens the file as it is now and lets your unsaved changes go.</source>
        <translation>Recharger ouvre le fichier tel qu&apos;il est maintenant et abandonne vos modifications non enregistrées.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>%1 is open in another Modelwright window. Close it there, or save under another name.</source>
        <translation>%1 est ouvert dans une autre fenêtre de Modelwright. Fermez-le là-bas ou enregistrez sous un autre nom.</translation>
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <source>Edit manufacturer</source>
        <translation>Modifier le fabricant</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Street+nr</source>
        <translation>&amp;Rue+n°</translation>
    </message>
    <message>
        <source>&amp;ZIP code</source>
        <translation>&amp;Code postal</translation>
    </message>
    <message>
        <source>&amp;Town</source>
        <translation>&amp;Ville</translation>
    </message>
    <message>
        <source>Co&amp;untry</source>
        <translation>&amp;Pays</translation>
    </message>
    <message>
        <source>&amp;Phone</source>
        <translation>&amp;Téléphone</translation>
    </message>
    <message>
        <source>&amp;Fax</source>
        <translation>&amp;Fax</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
</context>
<context>
    <name>CModelwrightApp</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <source>Recover the unsaved changes of %1 from %2?</source>
        <translation>Récupérer les modifications non enregistrées de %1 du %2 ?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
</context>
<context>
    <name>CModelwrightView</name>
    <message>
        <source>Edi&amp;t header ...</source>
        <translation>Modifier l&apos;en-&amp;tête ...</translation>
    </message>
    <message>
        <source>&amp;Delete ...</source>
        <translation>&amp;Supprimer ...</translation>
    </message>
    <message>
        <source>&amp;New tree ...</source>
        <translation>&amp;Nouvel arbre ...</translation>
    </message>
    <message>
        <source>New &amp;building ...</source>
        <translation>Nouveau &amp;bâtiment ...</translation>
    </message>
    <message>
        <source>Ed&amp;it ...</source>
        <translation>&amp;Modifier ...</translation>
    </message>
    <message>
        <source>E&amp;xport ...</source>
        <translation>&amp;Exporter ...</translation>
    </message>
    <message>
        <source>New &amp;platform ...</source>
        <translation>Nouveau &amp;quai ...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>New tree &quot;%1&quot;</source>
        <translation>Nouvel arbre « %1 »</translation>
    </message>
    <message>
        <source>New building &quot;%1&quot;</source>
        <translation>Nouveau bâtiment « %1 »</translation>
    </message>
    <message>
        <source>New platform &quot;%1&quot;</source>
        <translation>Nouveau quai « %1 »</translation>
    </message>
    <message>
        <source>Edit tree &quot;%1&quot;</source>
        <translation>Modifier l&apos;arbre « %1 »</translation>
    </message>
    <message>
        <source>Edit building &quot;%1&quot;</source>
        <translation>Modifier le bâtiment « %1 »</translation>
    </message>
    <message>
        <source>Edit platform &quot;%1&quot;</source>
        <translation>Modifier le quai « %1 »</translation>
    </message>
    <message>
        <source>Delete tree &quot;%1&quot;</source>
        <translation>Supprimer l&apos;arbre « %1 »</translation>
    </message>
    <message>
        <source>Delete building &quot;%1&quot;</source>
        <translation>Supprimer le bâtiment « %1 »</translation>
    </message>
    <message>
        <source>Delete platform &quot;%1&quot;</source>
        <translation>Supprimer le quai « %1 »</translation>
    </message>
    <message>
        <source>Export and &amp;compile ...</source>
        <translation>Exporter et &amp;compiler ...</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>Add a copy of the selected part under a new name</source>
        <translation>Ajouter une copie de la pièce choisie sous un nouveau nom</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Move the selected part to the clipboard</source>
        <translation>Déplacer la pièce choisie vers le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selected part to the clipboard</source>
        <translation>Copier la pièce choisie dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Add the part on the clipboard to the catalogue</source>
        <translation>Ajouter au catalogue la pièce du presse-papiers</translation>
    </message>
    <message>
        <source>Duplicate &quot;%1&quot;</source>
        <translation>Dupliquer « %1 »</translation>
    </message>
    <message>
        <source>The clipboard holds no part that can be pasted.</source>
        <translation>Le presse-papiers ne contient aucune pièce à coller.</translation>
    </message>
    <message>
        <source>Paste &quot;%1&quot;</source>
        <translation>Coller « %1 »</translation>
    </message>
    <message>
        <source>Edit address</source>
        <translation>Modifier l&apos;adresse</translation>
    </message>
    <message>
        <source>Edit header</source>
        <translation>Modifier l&apos;en-tête</translation>
    </message>
    <message>
        <source>Export parts file</source>
        <translation>Exporter le fichier de pièces</translation>
    </message>
    <message>
        <source>Winrail parts files (*.bdf)</source>
        <translation>Fichiers de pièces Winrail (*.bdf)</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <source>Filter by name or catalogue number (%1)</source>
        <translation>Filtrer par nom ou numéro de catalogue (%1)</translation>
    </message>
    <message>
        <source>Opened %1 with the desktop&apos;s program for parts files.</source>
        <translation>%1 ouvert avec le programme du bureau pour les fichiers de pièces.</translation>
    </message>
    <message>
        <source>No program on this desktop opens %1. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Aucun programme de ce bureau n&apos;ouvre %1. Choisissez le programme qui compile les fichiers de pièces sous Options, Options générales.</translation>
    </message>
    <message>
        <source>Started %1 on %2.</source>
        <translation>%1 lancé sur %2.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Impossible de lancer %1 : %2</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>plantage</translation>
    </message>
    <message>
        <source>exit %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>%1 on %2 finished (%3).</source>
        <translation>%1 sur %2 terminé (%3).</translation>
    </message>
    <message>
        <source>%1 on %2 failed (%3).</source>
        <translation>%1 sur %2 a échoué (%3).</translation>
    </message>
    <message>
        <source>%1 ended (%2). Its last lines:</source>
        <translation>%1 s&apos;est terminé (%2). Ses dernières lignes :</translation>
    </message>
</context>
<context>
    <name>COptionsPropertySheet</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>CPartPreview</name>
    <message>
        <source>Unknown keyword &quot;%1&quot;.</source>
        <translation>Mot-clé inconnu « %1 ».</translation>
    </message>
    <message>
        <source>Numbers are missing on this line.</source>
        <translation>Des nombres manquent sur cette ligne.</translation>
    </message>
    <message>
        <source>Text after the last number is ignored.</source>
        <translation>Le texte après le dernier nombre est ignoré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>« %1 » n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation>Le nombre %1 est trop grand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour ($ and six hexadecimal digits).</source>
        <translation>« %1 » n&apos;est pas une couleur ($ et six chiffres hexadécimaux).</translation>
    </message>
    <message>
        <source>The 3D group has no End3D line.</source>
        <translation>Il manque la ligne End3D au groupe 3D.</translation>
    </message>
    <message>
        <source>The group&apos;s points do not make whole shapes.</source>
        <translation>Les points du groupe ne forment pas des formes entières.</translation>
    </message>
    <message>
        <source>The solid has no Center line and is not drawn.</source>
        <translation>Il manque la ligne Center au solide ; il n&apos;est pas dessiné.</translation>
    </message>
    <message>
        <source>This line does not belong here.</source>
        <translation>Cette ligne n&apos;a pas sa place ici.</translation>
    </message>
    <message>
        <source>The part&apos;s line needs its number and name in double quotes.</source>
        <translation>La ligne de la pièce demande son numéro et son nom entre guillemets doubles.</translation>
    </message>
    <message>
        <source>The part has no End line.</source>
        <translation>Il manque la ligne End à la pièce.</translation>
    </message>
    <message>
        <source>Text stands outside a part.</source>
        <translation>Du texte se trouve hors d&apos;une pièce.</translation>
    </message>
    <message>
        <source>The header has no End line.</source>
        <translation>Il manque la ligne End à l&apos;en-tête.</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Three-dimensional view; drag to turn it (3)</source>
        <translation>Vue en trois dimensions ; faites glisser pour la tourner (3)</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>The part as the track plan shows it (P)</source>
        <translation>La pièce telle que le plan de voies la montre (P)</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Seen from the front (F)</source>
        <translation>Vue de face (F)</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Seen from the right side (S)</source>
        <translation>Vue du côté droit (S)</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>Seen from above (T)</source>
        <translation>Vue de dessus (T)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Show the whole part (Home, or double-click the picture)</source>
        <translation>Montrer la pièce entière (Début, ou double-clic sur l&apos;image)</translation>
    </message>
    <message>
        <source>This part is too large to show.</source>
        <translation>Cette pièce est trop grande pour être montrée.</translation>
    </message>
    <message>
        <source>Select a part to see it here.</source>
        <translation>Choisissez une pièce pour la voir ici.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Free text, line %1: %2</source>
        <translation>Texte libre, ligne %1 : %2</translation>
    </message>
    <message>
        <source>Faults in the free texts, found by the last export:</source>
        <translation>Erreurs dans les textes libres, trouvées par le dernier export :</translation>
    </message>
    <message>
        <source>Click a fault to select its part</source>
        <translation>Cliquez sur une erreur pour sélectionner sa pièce</translation>
    </message>
    <message>
        <source>Element %1, line %2: %3</source>
        <translation>Élément %1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1, element %2, line %3: %4</source>
        <translation>%1, élément %2, ligne %3 : %4</translation>
    </message>
    <message>
        <source>The group&apos;s first point has no colour.</source>
        <translation>Le premier point du groupe n’a pas de couleur.</translation>
    </message>
    <message>
        <source>The text is too large to be read whole; reading stopped here.</source>
        <translation>Le texte est trop grand pour être lu en entier ; la lecture s&apos;arrête ici.</translation>
    </message>
    <message>
        <source>Same scale for all parts</source>
        <translation>Même échelle pour toutes les pièces</translation>
    </message>
    <message>
        <source>Show every part at the scale of this one, so that their sizes compare</source>
        <translation>Afficher chaque pièce à l’échelle de celle-ci, pour comparer leurs tailles</translation>
    </message>
</context>
<context>
    <name>CPartsTableModel</name>
    <message>
        <source>Tree</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Bâtiment</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Quai</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Catalogue no</source>
        <translation>N° de catalogue</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
</context>
<context>
    <name>CPlatformDlg</name>
    <message>
        <source>Platform edit dialog</source>
        <translation>Modifier le quai</translation>
    </message>
    <message>
        <source>Additional free te&amp;xt</source>
        <translation>Texte libre a&amp;jouté</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Informations d&apos;en-tête</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>C&amp;atalogue no</source>
        <translation>&amp;N° de catalogue</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>Pr&amp;ice</source>
        <translation>Pri&amp;x</translation>
    </message>
    <message>
        <source>Parts per pac&amp;kage</source>
        <translation>Pièces par pa&amp;quet</translation>
    </message>
    <message>
        <source>Floor part</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Longueur</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>Lar&amp;geur</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>Haut&amp;eur</translation>
    </message>
    <message>
        <source>&amp;Top color</source>
        <translation>Couleur de la &amp;face supérieure</translation>
    </message>
    <message>
        <source>&amp;Side color</source>
        <translation>Couleur des côté&amp;s</translation>
    </message>
    <message>
        <source>Pitched roof on poles along both edges</source>
        <translation>Toit à deux pans sur poteaux le long des deux bords</translation>
    </message>
    <message>
        <source>V-shaped roof on one middle row of poles</source>
        <translation>Toit en V sur une rangée centrale de poteaux</translation>
    </message>
    <message>
        <source>Arched roof on poles along both edges</source>
        <translation>Toit cintré sur poteaux le long des deux bords</translation>
    </message>
    <message>
        <source>Single-pitch roof on poles along both edges</source>
        <translation>Toit à un pan sur poteaux le long des deux bords</translation>
    </message>
    <message>
        <source>Cover type</source>
        <translation>Type de couverture</translation>
    </message>
    <message>
        <source>No co&amp;ver</source>
        <translation>Pas de cou&amp;verture</translation>
    </message>
    <message>
        <source>Cover properties</source>
        <translation>Propriétés de la couverture</translation>
    </message>
    <message>
        <source>Pole hei&amp;ght</source>
        <translation>&amp;Hauteur des poteaux</translation>
    </message>
    <message>
        <source>&amp;Roof height</source>
        <translation>Hauteur du &amp;toit</translation>
    </message>
    <message>
        <source>&amp;Edge distance</source>
        <translation>Distance au &amp;bord</translation>
    </message>
    <message>
        <source>Num&amp;ber of poles (one side)</source>
        <translation>No&amp;mbre de poteaux (un côté)</translation>
    </message>
    <message>
        <source>Roo&amp;f color</source>
        <translation>&amp;Couleur du toit</translation>
    </message>
    <message>
        <source>Pole style</source>
        <translation>Forme des poteaux</translation>
    </message>
    <message>
        <source>Rou&amp;nd pole</source>
        <translation>Poteau c&amp;ylindrique</translation>
    </message>
    <message>
        <source>S&amp;quare pole</source>
        <translation>&amp;Poteau carré</translation>
    </message>
    <message>
        <source>&amp;Pole color</source>
        <translation>Couleu&amp;r des poteaux</translation>
    </message>
    <message>
        <source>Pole dia&amp;meter</source>
        <translation>D&amp;iamètre des poteaux</translation>
    </message>
    <message>
        <source>Choose a cover type</source>
        <translation>Choisissez un type de couverture</translation>
    </message>
    <message>
        <source>Length must be more than 0</source>
        <translation>La longueur doit être supérieure à 0</translation>
    </message>
    <message>
        <source>Width must be more than 0</source>
        <translation>La largeur doit être supérieure à 0</translation>
    </message>
    <message>
        <source>Height must be more than 0</source>
        <translation>La hauteur doit être supérieure à 0</translation>
    </message>
    <message>
        <source>Choose a pole style</source>
        <translation>Choisissez une forme de poteaux</translation>
    </message>
    <message>
        <source>Pole height must be more than 0</source>
        <translation>La hauteur des poteaux doit être supérieure à 0</translation>
    </message>
    <message>
        <source>Pole diameter must be more than 0</source>
        <translation>Le diamètre des poteaux doit être supérieur à 0</translation>
    </message>
</context>
<context>
    <name>CPreviewCanvas</name>
    <message>
        <source>%1 in</source>
        <translation>%1 po</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Too complex to draw whole: what lies furthest back is left out.</source>
        <translation>Trop complexe pour être dessinée en entier : ce qui se trouve le plus loin est omis.</translation>
    </message>
    <message>
        <source>Grid %1</source>
        <translation>Grille %1</translation>
    </message>
    <message>
        <source>%1 × %2 × %3 in</source>
        <translation>%1 × %2 × %3 po</translation>
    </message>
    <message>
        <source>%1 × %2 × %3 mm</source>
        <translation>%1 × %2 × %3 mm</translation>
    </message>
</context>
<context>
    <name>CSheetCommands</name>
    <message>
        <source>Drawing the catalogue sheet...</source>
        <translation>Dessin du catalogue...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export catalogue as PDF</source>
        <translation>Exporter le catalogue en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
</context>
<context>
    <name>CSheetOptionsDlg</name>
    <message>
        <source>Catalogue sheet</source>
        <translation>Feuille du catalogue</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Only the parts the table &amp;shows, in its order</source>
        <translation>Seulement les pièces que le tableau &amp;montre, dans son ordre</translation>
    </message>
    <message>
        <source>&amp;Model scale (adds the real sizes):</source>
        <translation>É&amp;chelle du modèle (ajoute les tailles réelles) :</translation>
    </message>
    <message>
        <source>a scale such as 1:87</source>
        <translation>une échelle comme 1:87</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Scenery objects for Winrail</source>
        <translation>Objets de décor pour Winrail</translation>
    </message>
</context>
<context>
    <name>CTreeDlg</name>
    <message>
        <source>Edit tree</source>
        <translation>Modifier l&apos;arbre</translation>
    </message>
    <message>
        <source>Additional &amp;free text</source>
        <translation>Texte &amp;libre supplémentaire</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>Pr&amp;ice</source>
        <translation>Pr&amp;ix</translation>
    </message>
    <message>
        <source>&amp;Parts per package</source>
        <translation>&amp;Pièces par paquet</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>Unité&amp;s</translation>
    </message>
    <message>
        <source>Tree type</source>
        <translation>Type d&apos;arbre</translation>
    </message>
    <message>
        <source>Needle &amp;leaved tree</source>
        <translation>&amp;Conifère</translation>
    </message>
    <message>
        <source>D&amp;eciduous tree</source>
        <translation>&amp;Feuillu</translation>
    </message>
    <message>
        <source>Trunk</source>
        <translation>Tronc</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>Hei&amp;ght</source>
        <translation>Ha&amp;uteur</translation>
    </message>
    <message>
        <source>&amp;Radius</source>
        <translation>&amp;Rayon</translation>
    </message>
    <message>
        <source>R&amp;adius</source>
        <translation>Ra&amp;yon</translation>
    </message>
    <message>
        <source>Trun&amp;k color</source>
        <translation>Couleur du &amp;tronc</translation>
    </message>
    <message>
        <source>Catalogue &amp;no</source>
        <translation>&amp;N° de catalogue</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>&amp;Top color</source>
        <translation>Coul&amp;eur de la couronne</translation>
    </message>
</context>
<context>
    <name>CUnitsComboBox</name>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
</context>
<context>
    <name>CompileCommand</name>
    <message>
        <source>The desktop opens %1 files as fonts. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Le bureau ouvre les fichiers %1 comme des polices. Choisissez le programme qui compile les fichiers de pièces sous Options, Options générales.</translation>
    </message>
    <message>
        <source>The compile command &quot;%1&quot; names no program.</source>
        <translation>La commande de compilation « %1 » ne nomme aucun programme.</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L’accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>Sharing violation while accessing %1.</source>
        <translation>Violation de partage lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disque plein lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Tentative d’accès à %1 au-delà de sa fin.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 est en lecture seule.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder cannot be written to.</source>
        <translation>Impossible d’écrire %1 : son dossier n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>%1 is too large to be read.</source>
        <translation>%1 est trop volumineux pour être lu.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 est un lien vers un fichier qui n’existe pas.</translation>
    </message>
    <message>
        <source>%1 has several names (hard links) and is not replaced, so that they keep sharing one content. Please save under another name.</source>
        <translation>%1 a plusieurs noms (liens physiques) et n’est pas remplacé, afin qu’ils continuent de partager un même contenu. Veuillez enregistrer sous un autre nom.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Une erreur inattendue s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d’ouvrir le document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d’enregistrer le document.</translation>
    </message>
    <message>
        <source>The parts file would be larger than 2 GB. Please check the sizes and counts of the parts.</source>
        <translation>Le fichier de pièces dépasserait 2 Go. Veuillez vérifier les dimensions et les nombres des pièces.</translation>
    </message>
    <message>
        <source>The 3D model is larger than the 4 GB a glTF binary file can hold.</source>
        <translation>Le modèle 3D dépasse les 4 Go qu’un fichier glTF binaire peut contenir.</translation>
    </message>
    <message>
        <source>%1: a 3D model is written as .glb or .obj; please name the file so.</source>
        <translation>%1 : un modèle 3D s’écrit en .glb ou .obj ; veuillez nommer le fichier ainsi.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder does not exist.</source>
        <translation>Impossible d’écrire %1 : son dossier n’existe pas.</translation>
    </message>
</context>
</TS>
