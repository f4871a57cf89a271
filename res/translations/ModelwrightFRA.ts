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
        <translation>Modifier le bâtiment</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Informations d'en-tête</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>N° de catalogue</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Pièces par emballage</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Building elements</source>
        <translation>Éléments du bâtiment</translation>
    </message>
    <message>
        <source>New ...</source>
        <translation>Nouveau ...</translation>
    </message>
    <message>
        <source>Edit ...</source>
        <translation>Modifier ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Free text after last element</source>
        <translation>Texte libre après le dernier élément</translation>
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
        <source>0 degr</source>
        <translation>0 degré</translation>
    </message>
    <message>
        <source>90 degr</source>
        <translation>90 degrés</translation>
    </message>
    <message>
        <source>180 degr</source>
        <translation>180 degrés</translation>
    </message>
    <message>
        <source>270 degr</source>
        <translation>270 degrés</translation>
    </message>
    <message>
        <source>Building element</source>
        <translation>Élément de bâtiment</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloc</translation>
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
        <translation>Couleur du bloc</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Toit</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Roof color</source>
        <translation>Couleur du toit</translation>
    </message>
    <message>
        <source>Rooftype</source>
        <translation>Type de toit</translation>
    </message>
    <message>
        <source>No roof</source>
        <translation>Pas de toit</translation>
    </message>
    <message>
        <source>Roof orientation</source>
        <translation>Orientation du toit</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Position de l'élément</translation>
    </message>
    <message>
        <source>Lower left corner of block:</source>
        <translation>Coin inférieur gauche du bloc :</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Portes et fenêtres</translation>
    </message>
    <message>
        <source>New ...</source>
        <translation>Nouveau ...</translation>
    </message>
    <message>
        <source>Edit  ...</source>
        <translation>Modifier ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Free additional text</source>
        <translation>Texte libre supplémentaire</translation>
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
        <translation>Vert d'eau</translation>
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
        <source>1 window</source>
        <translation>1 carreau</translation>
    </message>
    <message>
        <source>2 windows</source>
        <translation>2 carreaux</translation>
    </message>
    <message>
        <source>4 windows</source>
        <translation>4 carreaux</translation>
    </message>
    <message>
        <source>6 windows</source>
        <translation>6 carreaux</translation>
    </message>
    <message>
        <source>8 windows</source>
        <translation>8 carreaux</translation>
    </message>
    <message>
        <source>Decorations edit dialog</source>
        <translation>Modifier les portes et fenêtres</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
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
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
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
        <translation>Quel mur ?</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>Côté gauche</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>Côté droit</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Main color</source>
        <translation>Couleur principale</translation>
    </message>
    <message>
        <source>Inner color</source>
        <translation>Couleur intérieure</translation>
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
        <source>Base A</source>
        <translation>Base A</translation>
    </message>
    <message>
        <source>Base B</source>
        <translation>Base B</translation>
    </message>
    <message>
        <source>Subtype</source>
        <translation>Sous-type</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Porte</translation>
    </message>
    <message>
        <source>Door with window</source>
        <translation>Porte vitrée</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
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
        <source>Select language</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>Winrail version </source>
        <translation>Version de Winrail </translation>
    </message>
    <message>
        <source>Use hexahedron in stead of Hexaedron (bug fix)</source>
        <translation>Utiliser hexahedron au lieu de Hexaedron (correction)</translation>
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
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Edit manufacturer ...</source>
        <translation>Modifier le fabricant ...</translation>
    </message>
    <message>
        <source>Edit representative ...</source>
        <translation>Modifier le représentant ...</translation>
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
        <translation>&amp;Configuration de l'impression...</translation>
    </message>
    <message>
        <source>Choose the printer and the page</source>
        <translation>Choisir l'imprimante et la page</translation>
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
        <translation>Quitter le programme ; propose d'enregistrer les modifications</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>Couper la sélection vers le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>Copier la sélection vers le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Insert the clipboard's contents</source>
        <translation>Insérer le contenu du presse-papiers</translation>
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
        <translation>Afficher ou masquer la barre d'outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d'é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d'état</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Choose the language, the Winrail version and the hexahedron keyword</source>
        <translation>Choisir la langue, la version de Winrail et le mot-clé de l'hexaèdre</translation>
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
        <translation>Afficher le sommaire de l'aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show the help on the active window</source>
        <translation>Afficher l'aide de la fenêtre active</translation>
    </message>
    <message>
        <source>Context help</source>
        <translation>Aide contextuelle</translation>
    </message>
    <message>
        <source>Show the help on the next window clicked</source>
        <translation>Afficher l'aide de la prochaine fenêtre cliquée</translation>
    </message>
    <message>
        <source>&amp;About Modelwright...</source>
        <translation>À &amp;propos de Modelwright...</translation>
    </message>
    <message>
        <source>Show the program's version and copyright</source>
        <translation>Afficher la version et le copyright du programme</translation>
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
        <translation>Ouvrir ce catalogue</translation>
    </message>
    <message>
        <source>%1 cannot be printed: the printer "%2" is not available.</source>
        <translation>Impossible d'imprimer %1 : l'imprimante « %2 » n'est pas disponible.</translation>
    </message>
    <message>
        <source>%1 cannot be printed: no printer is available.</source>
        <translation>Impossible d'imprimer %1 : aucune imprimante n'est disponible.</translation>
    </message>
    <message>
        <source>%1 cannot be printed: no printer is chosen as the default.</source>
        <translation>Impossible d'imprimer %1 : aucune imprimante par défaut n'est choisie.</translation>
    </message>
    <message>
        <source>Failed to send mail.</source>
        <translation>L'envoi de l'e-mail a échoué.</translation>
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <source>Edit manufacturer</source>
        <translation>Modifier le fabricant</translation>
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
        <translation>Exporter le fichier de pièces</translation>
    </message>
    <message>
        <source>Winrail parts Files (*.bdf)</source>
        <translation>Fichiers de pièces Winrail (*.bdf)</translation>
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
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
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
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Numéro de catalogue</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Pièces par emballage</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
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
        <translation>Modifier le quai</translation>
    </message>
    <message>
        <source>Additional free text</source>
        <translation>Texte libre supplémentaire</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Informations d'en-tête</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>N° de catalogue</translation>
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
        <translation>Pièces par emballage</translation>
    </message>
    <message>
        <source>Floor part</source>
        <translation>Sol</translation>
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
        <translation>Couleur de la couronne</translation>
    </message>
    <message>
        <source>Side color</source>
        <translation>Couleur des côtés</translation>
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
        <source>No cover</source>
        <translation>Pas de couverture</translation>
    </message>
    <message>
        <source>Cover properties</source>
        <translation>Propriétés de la couverture</translation>
    </message>
    <message>
        <source>Pole height</source>
        <translation>Hauteur des poteaux</translation>
    </message>
    <message>
        <source>Roof height</source>
        <translation>Hauteur du toit</translation>
    </message>
    <message>
        <source>Edge distance</source>
        <translation>Distance au bord</translation>
    </message>
    <message>
        <source>No of poles (one side)</source>
        <translation>Nombre de poteaux (un côté)</translation>
    </message>
    <message>
        <source>Roof color</source>
        <translation>Couleur du toit</translation>
    </message>
    <message>
        <source>Pole style</source>
        <translation>Forme des poteaux</translation>
    </message>
    <message>
        <source>Round pole</source>
        <translation>Poteau rond</translation>
    </message>
    <message>
        <source>Square pole</source>
        <translation>Poteau carré</translation>
    </message>
    <message>
        <source>Pole color</source>
        <translation>Couleur des poteaux</translation>
    </message>
    <message>
        <source>Pole diameter</source>
        <translation>Diamètre des poteaux</translation>
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
        <translation>Texte libre supplémentaire</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>N° de catalogue</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Pièces par emballage</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Tree type</source>
        <translation>Type d'arbre</translation>
    </message>
    <message>
        <source>Needle leaved tree</source>
        <translation>Conifère</translation>
    </message>
    <message>
        <source>Deciduous tree</source>
        <translation>Feuillu</translation>
    </message>
    <message>
        <source>Trunk</source>
        <translation>Tronc</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Trunk color</source>
        <translation>Couleur du tronc</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur de la couronne</translation>
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
</context>
</TS>