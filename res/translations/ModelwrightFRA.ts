<?xml version='1.0' encoding='utf-8'?>
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
        <translation>Page d'accueil</translation>
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Header information</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Building elements</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>New ...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit ...</source>
        <translation>Modifier ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Free text after last element</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CBuildingElementDlg</name>
    <message>
        <source>Ridge roof</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Roof with sloping sides and a flat top</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Single-slope roof</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>0 degr</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>90 degr</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>180 degr</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>270 degr</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Building element</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Block color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Roof</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Roof color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rooftype</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No roof</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Roof orientation</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Element position</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lower left corner of block:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Z:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Decorations</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>New ...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit  ...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Free additional text</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dark Olive Green</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dark Green</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dark Teal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dark blue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Indigo</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dark grey</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dark red</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dark yellow</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Blue-grey</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Grey - 40</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Light orange</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sea green</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Light blue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Violet</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Grey - 50</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pink</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Gold</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Bright green</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Turquoise</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Skyblue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Plum</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Light grey</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rose</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tan</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Light yellow</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pale green</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pale turquoise</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pale blue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lavender</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CDecorationDlg</name>
    <message>
        <source>1 window</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2 windows</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>4 windows</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>6 windows</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>8 windows</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Decorations edit dialog</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Position relative to lower left corner of the wall</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>X:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Z:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished" />
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
        <source>Which wall?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Front</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rear</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Left side</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Right side</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Main color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Inner color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Types</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Main type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Base A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Base B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Subtype</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Door</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Door with window</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Window count</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished" />
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
        <source>Select language</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>Winrail version </source>
        <translation>Version de Winrail </translation>
    </message>
    <message>
        <source>Use hexahedron in stead of Hexaedron (bug fix)</source>
        <translation type="unfinished" />
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
        <translation>Modifier l'en-tête</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit manufacturer ...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit representative ...</source>
        <translation type="unfinished" />
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
        <translation>Impossible de trouver le fichier d'aide. Veuillez réinstaller le programme.</translation>
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
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Modelwright Help</source>
        <translation>Aide de Modelwright</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open a catalogue file</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the catalogue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the catalogue under a new name</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the catalogue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l'impression...</translation>
    </message>
    <message>
        <source>Choose the printer and the page</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sen&amp;d...</source>
        <translation>En&amp;voyer...</translation>
    </message>
    <message>
        <source>Send the catalogue file by mail</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Open a recently used catalogue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Insert the clipboard's contents</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d'outils</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d'outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d'é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Choose the language, the Winrail version and the hexahedron keyword</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d'aide</translation>
    </message>
    <message>
        <source>Show the contents of the help</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show the help on the active window</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Context help</source>
        <translation>Aide contextuelle</translation>
    </message>
    <message>
        <source>Show the help on the next window clicked</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;About Modelwright...</source>
        <translation>À &amp;propos de Modelwright...</translation>
    </message>
    <message>
        <source>Show the program's version and copyright</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation type="unfinished" />
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
        <source>Open this catalogue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Failed to send mail.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <source>Edit manufacturer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Street+nr</source>
        <translation>Rue+n°</translation>
    </message>
    <message>
        <source>ZIP code</source>
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
</context>
<context>
    <name>CModelwrightView</name>
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
        <source>Edit header ...</source>
        <translation>Modifier l'en-tête ...</translation>
    </message>
    <message>
        <source>Delete ...</source>
        <translation>Supprimer ...</translation>
    </message>
    <message>
        <source>New tree ...</source>
        <translation>Nouvel arbre ...</translation>
    </message>
    <message>
        <source>New building ...</source>
        <translation>Nouveau bâtiment ...</translation>
    </message>
    <message>
        <source>Edit ...</source>
        <translation>Modifier ...</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exporter ...</translation>
    </message>
    <message>
        <source>Export and compile ..</source>
        <translation>Exporter et compiler ..</translation>
    </message>
    <message>
        <source>New platform ...</source>
        <translation>Nouveau quai ...</translation>
    </message>
    <message>
        <source>Export partsfile</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Winrail parts Files (*.bdf)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Manufacturer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Representative</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Catalogue number</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation type="unfinished" />
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
    <name>CPlatformDlg</name>
    <message>
        <source>Platform edit dialog</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Additional free text</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Header information</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Floor part</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
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
        <source>Top color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Side color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pitched roof on poles along both edges</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>V-shaped roof on one middle row of poles</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Arched roof on poles along both edges</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Single-pitch roof on poles along both edges</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cover type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No cover</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cover properties</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pole height</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Roof height</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edge distance</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No of poles (one side)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Roof color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pole style</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Round pole</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Square pole</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pole color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pole diameter</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CTreeDlg</name>
    <message>
        <source>Edit tree</source>
        <translation>Modifier l'arbre</translation>
    </message>
    <message>
        <source>Addtional free text</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Tree type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Needle leaved tree</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Deciduous tree</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Trunk</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Trunk color</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Top color</source>
        <translation type="unfinished" />
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
</TS>