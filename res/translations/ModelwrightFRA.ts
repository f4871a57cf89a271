<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
  <context>
    <name>CAboutDlg</name>
    <message>
      <location filename="../../app/AboutDlg.cpp" line="27" />
      <source>Modelwright Version 2.0</source>
      <translation>Modelwright version 2.0</translation>
    </message>
    <message>
      <location filename="../../app/AboutDlg.cpp" line="28" />
      <source>The Modelwright developers</source>
      <translation>Les développeurs de Modelwright</translation>
    </message>
    <message>
      <location filename="../../app/AboutDlg.cpp" line="29" />
      <source>Homepage</source>
      <translation>Page d'accueil</translation>
    </message>
    <message>
      <location filename="../../app/AboutDlg.cpp" line="30" />
      <source>E-Mail</source>
      <translation>E-mail</translation>
    </message>
    <message>
      <location filename="../../app/AboutDlg.cpp" line="32" />
      <source>About Modelwright</source>
      <translation>À propos de Modelwright</translation>
    </message>
    <message>
      <location filename="../../app/AboutDlg.cpp" line="69" />
      <source>Modelwright</source>
      <translation>Modelwright</translation>
    </message>
    <message>
      <location filename="../../app/AboutDlg.cpp" line="69" />
      <source>version</source>
      <translation>version</translation>
    </message>
  </context>
  <context>
    <name>CBuildingDlg</name>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="118" />
      <source>Building edit dialog</source>
      <translation>Modifier le bâtiment</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="119" />
      <source>Header information</source>
      <translation>Informations d'en-tête</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="120" />
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="121" />
      <source>Catalog no</source>
      <translation>N° de catalogue</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="122" />
      <source>Price</source>
      <translation>Prix</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="123" />
      <source>Parts per package</source>
      <translation>Pièces par emballage</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="124" />
      <source>Units</source>
      <translation>Unités</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="125" />
      <source>Building elements</source>
      <translation>Éléments du bâtiment</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="126" />
      <source>New ...</source>
      <translation>Nouveau ...</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="127" />
      <source>Edit ...</source>
      <translation>Modifier ...</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="128" />
      <source>Delete</source>
      <translation>Supprimer</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingDlg.cpp" line="129" />
      <source>Free text after last element</source>
      <translation>Texte libre après le dernier élément</translation>
    </message>
  </context>
  <context>
    <name>CBuildingElementDlg</name>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="49" />
      <source>Ridge roof</source>
      <translation>Toit à deux pans</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="50" />
      <source>Roof with sloping sides and a flat top</source>
      <translation>Toit à pans inclinés et dessus plat</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="51" />
      <source>Single-slope roof</source>
      <translation>Toit à un pan</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="59" />
      <source>0 degr</source>
      <translation>0 degré</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="60" />
      <source>90 degr</source>
      <translation>90 degrés</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="61" />
      <source>180 degr</source>
      <translation>180 degrés</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="62" />
      <source>270 degr</source>
      <translation>270 degrés</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="233" />
      <source>Building element</source>
      <translation>Élément de bâtiment</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="234" />
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="235" />
      <source>Block</source>
      <translation>Bloc</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="236" />
      <location filename="../../ui/BuildingElementDlg.cpp" line="241" />
      <source>Height</source>
      <translation>Hauteur</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="237" />
      <source>Width</source>
      <translation>Largeur</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="238" />
      <source>Depth</source>
      <translation>Profondeur</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="239" />
      <source>Block color</source>
      <translation>Couleur du bloc</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="240" />
      <source>Roof</source>
      <translation>Toit</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="242" />
      <source>Angle</source>
      <translation>Angle</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="243" />
      <source>Roof color</source>
      <translation>Couleur du toit</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="244" />
      <source>Rooftype</source>
      <translation>Type de toit</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="247" />
      <source>No roof</source>
      <translation>Pas de toit</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="248" />
      <source>Roof orientation</source>
      <translation>Orientation du toit</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="251" />
      <source>Element position</source>
      <translation>Position de l'élément</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="252" />
      <source>Lower left corner of block:</source>
      <translation>Coin inférieur gauche du bloc :</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="253" />
      <source>X</source>
      <translation>X</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="254" />
      <source>Y</source>
      <translation>Y</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="255" />
      <source>Z:</source>
      <translation>Z:</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="256" />
      <source>Decorations</source>
      <translation>Portes et fenêtres</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="257" />
      <source>New ...</source>
      <translation>Nouveau ...</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="258" />
      <source>Edit  ...</source>
      <translation>Modifier ...</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="259" />
      <source>Delete</source>
      <translation>Supprimer</translation>
    </message>
    <message>
      <location filename="../../ui/BuildingElementDlg.cpp" line="260" />
      <source>Free additional text</source>
      <translation>Texte libre supplémentaire</translation>
    </message>
  </context>
  <context>
    <name>CColorButton</name>
    <message>
      <location filename="../../ui/ColorButton.cpp" line="16" />
      <source>Automatic</source>
      <translation>Automatique</translation>
    </message>
    <message>
      <location filename="../../ui/ColorButton.cpp" line="17" />
      <source>More Colors...</source>
      <translation>Autres couleurs...</translation>
    </message>
  </context>
  <context>
    <name>CColorPopup</name>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="8" />
      <source>Black</source>
      <translation>Noir</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="9" />
      <source>Brown</source>
      <translation>Marron</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="10" />
      <source>Dark Olive Green</source>
      <translation>Vert olive foncé</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="11" />
      <source>Dark Green</source>
      <translation>Vert foncé</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="12" />
      <source>Dark Teal</source>
      <translation>Bleu-vert foncé</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="13" />
      <source>Dark blue</source>
      <translation>Bleu foncé</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="14" />
      <source>Indigo</source>
      <translation>Indigo</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="15" />
      <source>Dark grey</source>
      <translation>Gris foncé</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="16" />
      <source>Dark red</source>
      <translation>Rouge foncé</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="17" />
      <source>Orange</source>
      <translation>Orange</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="18" />
      <source>Dark yellow</source>
      <translation>Jaune foncé</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="19" />
      <source>Green</source>
      <translation>Vert</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="20" />
      <source>Teal</source>
      <translation>Bleu-vert</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="21" />
      <source>Blue</source>
      <translation>Bleu</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="22" />
      <source>Blue-grey</source>
      <translation>Gris-bleu</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="23" />
      <source>Grey - 40</source>
      <translation>Gris - 40</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="24" />
      <source>Red</source>
      <translation>Rouge</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="25" />
      <source>Light orange</source>
      <translation>Orange clair</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="26" />
      <source>Lime</source>
      <translation>Citron vert</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="27" />
      <source>Sea green</source>
      <translation>Vert d'eau</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="28" />
      <source>Aqua</source>
      <translation>Aqua</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="29" />
      <source>Light blue</source>
      <translation>Bleu clair</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="30" />
      <source>Violet</source>
      <translation>Violet</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="31" />
      <source>Grey - 50</source>
      <translation>Gris - 50</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="32" />
      <source>Pink</source>
      <translation>Rose vif</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="33" />
      <source>Gold</source>
      <translation>Or</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="34" />
      <source>Yellow</source>
      <translation>Jaune</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="35" />
      <source>Bright green</source>
      <translation>Vert vif</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="36" />
      <source>Turquoise</source>
      <translation>Turquoise</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="37" />
      <source>Skyblue</source>
      <translation>Bleu ciel</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="38" />
      <source>Plum</source>
      <translation>Prune</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="39" />
      <source>Light grey</source>
      <translation>Gris clair</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="40" />
      <source>Rose</source>
      <translation>Rose</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="41" />
      <source>Tan</source>
      <translation>Beige</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="42" />
      <source>Light yellow</source>
      <translation>Jaune clair</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="43" />
      <source>Pale green</source>
      <translation>Vert pâle</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="44" />
      <source>Pale turquoise</source>
      <translation>Turquoise pâle</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="45" />
      <source>Pale blue</source>
      <translation>Bleu pâle</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="46" />
      <source>Lavender</source>
      <translation>Lavande</translation>
    </message>
    <message>
      <location filename="../../ui/ColorTable.cpp" line="47" />
      <source>White</source>
      <translation>Blanc</translation>
    </message>
  </context>
  <context>
    <name>CDecorationDlg</name>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="43" />
      <source>1 window</source>
      <translation>1 carreau</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="44" />
      <source>2 windows</source>
      <translation>2 carreaux</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="45" />
      <source>4 windows</source>
      <translation>4 carreaux</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="46" />
      <source>6 windows</source>
      <translation>6 carreaux</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="47" />
      <source>8 windows</source>
      <translation>8 carreaux</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="233" />
      <source>Decorations edit dialog</source>
      <translation>Modifier les portes et fenêtres</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="234" />
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="235" />
      <source>Position</source>
      <translation>Position</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="236" />
      <source>Position relative to lower left corner of the wall</source>
      <translation>Position par rapport au coin inférieur gauche du mur</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="237" />
      <source>X:</source>
      <translation>X:</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="238" />
      <source>Z:</source>
      <translation>Z:</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="239" />
      <source>Size</source>
      <translation>Taille</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="240" />
      <source>Width</source>
      <translation>Largeur</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="241" />
      <source>Height</source>
      <translation>Hauteur</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="242" />
      <source>Which wall?</source>
      <translation>Quel mur ?</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="243" />
      <source>Front</source>
      <translation>Avant</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="244" />
      <source>Rear</source>
      <translation>Arrière</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="245" />
      <source>Left side</source>
      <translation>Côté gauche</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="246" />
      <source>Right side</source>
      <translation>Côté droit</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="247" />
      <source>Colors</source>
      <translation>Couleurs</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="248" />
      <source>Main color</source>
      <translation>Couleur principale</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="249" />
      <source>Inner color</source>
      <translation>Couleur intérieure</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="250" />
      <source>Types</source>
      <translation>Types</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="251" />
      <source>Main type</source>
      <translation>Type principal</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="252" />
      <source>Base A</source>
      <translation>Base A</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="253" />
      <source>Base B</source>
      <translation>Base B</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="254" />
      <source>Subtype</source>
      <translation>Sous-type</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="255" />
      <source>Door</source>
      <translation>Porte</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="256" />
      <source>Door with window</source>
      <translation>Porte vitrée</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="257" />
      <source>Window</source>
      <translation>Fenêtre</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="258" />
      <source>Window count</source>
      <translation>Nombre de carreaux</translation>
    </message>
    <message>
      <location filename="../../ui/DecorationDlg.cpp" line="261" />
      <source>Preview</source>
      <translation>Aperçu</translation>
    </message>
  </context>
  <context>
    <name>CGeneralOptions</name>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="27" />
      <source>Default</source>
      <translation>Par défaut</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="28" />
      <source>English</source>
      <translation>Anglais</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="29" />
      <source>German</source>
      <translation>Allemand</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="30" />
      <source>Dutch</source>
      <translation>Néerlandais</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="34" />
      <source>5.x</source>
      <translation>5.x</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="35" />
      <source>6.x</source>
      <translation>6.x</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="104" />
      <source>General options</source>
      <translation>Options générales</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="110" />
      <source>Select language</source>
      <translation>Choisir la langue</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="111" />
      <source>Winrail version </source>
      <translation>Version de Winrail </translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="112" />
      <source>Use hexahedron in stead of Hexaedron (bug fix)</source>
      <translation>Utiliser hexahedron au lieu de Hexaedron (correction)</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="113" />
      <source>&amp;Keep unsaved changes for recovery every</source>
      <translation>&amp;Conserver les modifications non enregistrées pour la récupération toutes les</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="114" />
      <source> min</source>
      <translation> min</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="115" />
      <source>Never</source>
      <translation>Jamais</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="116" />
      <source>Keep the previous version as a &amp;backup (.bak) when saving</source>
      <translation>Conserver la version précédente comme &amp;sauvegarde (.bak) à l'enregistrement</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="91" />
      <source>French</source>
      <translation>Français</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="112" />
      <source>Compile command</source>
      <translation>Commande de compilation</translation>
    </message>
    <message>
      <location filename="../../ui/GeneralOptions.cpp" line="113" />
      <source>Run by "Export and compile" on the parts file; %f stands for the file. Empty: the desktop's program for parts files.</source>
      <translation>Lancée par « Exporter et compiler » sur le fichier de pièces ; %f représente le fichier. Vide : le programme du bureau pour les fichiers de pièces.</translation>
    </message>
  </context>
  <context>
    <name>CHeaderDlg</name>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="19" />
      <source>Name</source>
      <translation>Nom</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="20" />
      <source>Street+nr</source>
      <translation>Rue+n°</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="21" />
      <source>ZIP</source>
      <translation>Code postal</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="22" />
      <source>Town</source>
      <translation>Ville</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="23" />
      <source>Country</source>
      <translation>Pays</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="24" />
      <source>Phone</source>
      <translation>Téléphone</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="25" />
      <source>Fax</source>
      <translation>Fax</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="26" />
      <source>Mail</source>
      <translation>E-mail</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="91" />
      <source>Edit header</source>
      <translation>Modifier l'en-tête</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="92" />
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="93" />
      <source>Author</source>
      <translation>Auteur</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="94" />
      <source>Version</source>
      <translation>Version</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="95" />
      <source>Currency</source>
      <translation>Devise</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="96" />
      <source>Edit manufacturer ...</source>
      <translation>Modifier le fabricant ...</translation>
    </message>
    <message>
      <location filename="../../ui/HeaderDlg.cpp" line="97" />
      <source>Edit representative ...</source>
      <translation>Modifier le représentant ...</translation>
    </message>
  </context>
  <context>
    <name>CHelpSystem</name>
    <message>
      <location filename="../../app/HelpWindow.cpp" line="138" />
      <source>Modelwright</source>
      <translation>Modelwright</translation>
    </message>
    <message>
      <location filename="../../app/HelpWindow.cpp" line="138" />
      <source>Cannot find the help file. Please reinstall.</source>
      <translation>Impossible de trouver le fichier d'aide. Veuillez réinstaller le programme.</translation>
    </message>
  </context>
  <context>
    <name>CHelpWindow</name>
    <message>
      <location filename="../../app/HelpWindow.cpp" line="83" />
      <source>&amp;Contents</source>
      <translation>&amp;Sommaire</translation>
    </message>
    <message>
      <location filename="../../app/HelpWindow.cpp" line="84" />
      <source>&amp;Back</source>
      <translation>&amp;Précédent</translation>
    </message>
    <message>
      <location filename="../../app/HelpWindow.cpp" line="85" />
      <source>&amp;Forward</source>
      <translation>Sui&amp;vant</translation>
    </message>
    <message>
      <location filename="../../app/HelpWindow.cpp" line="87" />
      <source>Modelwright Help</source>
      <translation>Aide de Modelwright</translation>
    </message>
  </context>
  <context>
    <name>CMainFrame</name>
    <message>
      <location filename="../../app/MainFrame.cpp" line="289" />
      <source>CAP</source>
      <comment>Caps Lock is on</comment>
      <translation>MAJ</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="290" />
      <source>NUM</source>
      <comment>Num Lock is on</comment>
      <translation>NUM</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="291" />
      <source>SCRL</source>
      <comment>Scroll Lock is on</comment>
      <translation>DEFIL</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="315" />
      <source>&amp;File</source>
      <translation>&amp;Fichier</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="316" />
      <source>&amp;New</source>
      <translation>&amp;Nouveau</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="316" />
      <source>Start a new catalogue</source>
      <translation>Commencer un nouveau catalogue</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="317" />
      <source>&amp;Open...</source>
      <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="317" />
      <source>Open a catalogue file</source>
      <translation>Ouvrir un fichier catalogue</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="318" />
      <source>&amp;Save</source>
      <translation>&amp;Enregistrer</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="318" />
      <source>Save the catalogue</source>
      <translation>Enregistrer le catalogue</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="319" />
      <source>Save &amp;As...</source>
      <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="319" />
      <source>Save the catalogue under a new name</source>
      <translation>Enregistrer le catalogue sous un nouveau nom</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="320" />
      <source>&amp;Print...</source>
      <translation>&amp;Imprimer...</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="320" />
      <source>Print the catalogue</source>
      <translation>Imprimer le catalogue</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="321" />
      <source>Print Pre&amp;view</source>
      <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="321" />
      <source>Show the printed pages</source>
      <translation>Afficher les pages imprimées</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="322" />
      <source>P&amp;rint Setup...</source>
      <translation>&amp;Configuration de l'impression...</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="322" />
      <source>Choose the printer and the page</source>
      <translation>Choisir l'imprimante et la page</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="323" />
      <source>Sen&amp;d...</source>
      <translation>En&amp;voyer...</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="323" />
      <source>Send the catalogue file by mail</source>
      <translation>Envoyer le fichier catalogue par e-mail</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="324" />
      <source>Recent File</source>
      <translation>Fichier récent</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="324" />
      <source>Open a recently used catalogue</source>
      <translation>Ouvrir un catalogue utilisé récemment</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="325" />
      <source>E&amp;xit</source>
      <translation>&amp;Quitter</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="325" />
      <source>Quit the program; asks to save changes</source>
      <translation>Quitter le programme ; propose d'enregistrer les modifications</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="326" />
      <source>&amp;Edit</source>
      <translation>É&amp;dition</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="328" />
      <source>Cu&amp;t</source>
      <translation>Co&amp;uper</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="328" />
      <source>Cut the selection to the clipboard</source>
      <translation>Couper la sélection vers le presse-papiers</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="329" />
      <source>&amp;Copy</source>
      <translation>&amp;Copier</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="329" />
      <source>Copy the selection to the clipboard</source>
      <translation>Copier la sélection vers le presse-papiers</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="330" />
      <source>&amp;Paste</source>
      <translation>C&amp;oller</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="330" />
      <source>Insert the clipboard's contents</source>
      <translation>Insérer le contenu du presse-papiers</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="331" />
      <source>&amp;View</source>
      <translation>&amp;Affichage</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="332" />
      <source>Toolbar</source>
      <translation>Barre d'outils</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="333" />
      <source>&amp;Toolbar</source>
      <translation>&amp;Barre d'outils</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="333" />
      <source>Show or hide the toolbar</source>
      <translation>Afficher ou masquer la barre d'outils</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="334" />
      <source>&amp;Status Bar</source>
      <translation>Barre d'é&amp;tat</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="334" />
      <source>Show or hide the status bar</source>
      <translation>Afficher ou masquer la barre d'état</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="335" />
      <location filename="../../app/MainFrame.cpp" line="336" />
      <source>&amp;Options</source>
      <translation>&amp;Options</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="336" />
      <source>Choose the language, the Winrail version and the hexahedron keyword</source>
      <translation>Choisir la langue, la version de Winrail et le mot-clé de l'hexaèdre</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="337" />
      <source>&amp;Help</source>
      <translation>A&amp;ide</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="338" />
      <source>&amp;Help Topics</source>
      <translation>&amp;Rubriques d'aide</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="338" />
      <source>Show the contents of the help</source>
      <translation>Afficher le sommaire de l'aide</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="339" />
      <source>Help</source>
      <translation>Aide</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="339" />
      <source>Show the help on the active window</source>
      <translation>Afficher l'aide de la fenêtre active</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="340" />
      <source>Context help</source>
      <translation>Aide contextuelle</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="340" />
      <source>Show the help on the next window clicked</source>
      <translation>Afficher l'aide de la prochaine fenêtre cliquée</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="341" />
      <source>&amp;About Modelwright...</source>
      <translation>À &amp;propos de Modelwright...</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="341" />
      <source>Show the program's version and copyright</source>
      <translation>Afficher la version et le copyright du programme</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="358" />
      <source>&amp;Undo</source>
      <translation>&amp;Annuler</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="358" />
      <source>&amp;Undo %1</source>
      <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="358" />
      <source>Take back the last change</source>
      <translation>Annuler la dernière modification</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="359" />
      <source>&amp;Redo</source>
      <translation>&amp;Rétablir</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="359" />
      <source>&amp;Redo %1</source>
      <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="359" />
      <source>Make the change taken back again</source>
      <translation>Refaire la modification annulée</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="372" />
      <source>Ready</source>
      <translation>Prêt</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="378" />
      <source>Exported one part to %1</source>
      <translation>Une pièce exportée vers %1</translation>
    </message>
    <message numerus="yes">
      <location filename="../../app/MainFrame.cpp" line="379" />
      <source>Exported %n parts to %1</source>
      <translation>
        <numerusform>%n pièce exportée vers %1</numerusform>
        <numerusform>%n pièces exportées vers %1</numerusform>
      </translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="386" />
      <source>%1[*] - %2</source>
      <translation>%1[*] - %2</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="386" />
      <location filename="../../app/MainFrame.cpp" line="409" />
      <location filename="../../app/MainFrame.cpp" line="415" />
      <source>Winrail Modelwright</source>
      <translation>Winrail Modelwright</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="409" />
      <source>Save changes to %1?</source>
      <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
      <source>Save the catalogue under another name?</source>
      <translation>Enregistrer le catalogue sous un autre nom ?</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="508" />
      <source>Open</source>
      <translation>Ouvrir</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="509" />
      <location filename="../../app/MainFrame.cpp" line="530" />
      <source>Winrail Object Files (*.wo3)</source>
      <translation>Fichiers objets Winrail (*.wo3)</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="509" />
      <location filename="../../app/MainFrame.cpp" line="530" />
      <source>All Files (*)</source>
      <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="527" />
      <source>Save As</source>
      <translation>Enregistrer sous</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="562" />
      <source>The catalogue was saved, but its previous version could not be kept as %1.
%2</source>
      <translation>Le catalogue a été enregistré, mais sa version précédente n'a pas pu être conservée sous %1.
%2</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="654" />
      <source>Open this catalogue</source>
      <translation>Ouvrir ce catalogue</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="689" />
      <source>%1 cannot be printed: the printer "%2" is not available.</source>
      <translation>Impossible d'imprimer %1 : l'imprimante « %2 » n'est pas disponible.</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="691" />
      <source>%1 cannot be printed: no printer is available.</source>
      <translation>Impossible d'imprimer %1 : aucune imprimante n'est disponible.</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="693" />
      <source>%1 cannot be printed: no printer is chosen as the default.</source>
      <translation>Impossible d'imprimer %1 : aucune imprimante par défaut n'est choisie.</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="745" />
      <source>Failed to send mail.</source>
      <translation>L'envoi de l'e-mail a échoué.</translation>
    </message>
    <message>
      <location filename="../../app/MainFrame.cpp" line="317" />
      <source>Untitled</source>
      <translation>Sans titre</translation>
    </message>
    <message numerus="yes">
      <location filename="../../app/MainFrame.cpp" line="417" />
      <source>The free texts have %n fault(s), listed under the preview.</source>
      <translation>
        <numerusform>Les textes libres ont %n erreur, listée sous l’aperçu.</numerusform>
        <numerusform>Les textes libres ont %n erreurs, listées sous l’aperçu.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>CManufacturerDlg</name>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="46" />
      <source>Edit manufacturer</source>
      <translation>Modifier le fabricant</translation>
    </message>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="47" />
      <source>Name</source>
      <translation>Nom</translation>
    </message>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="48" />
      <source>Street+nr</source>
      <translation>Rue+n°</translation>
    </message>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="49" />
      <source>ZIP code</source>
      <translation>Code postal</translation>
    </message>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="50" />
      <source>Town</source>
      <translation>Ville</translation>
    </message>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="51" />
      <source>Country</source>
      <translation>Pays</translation>
    </message>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="52" />
      <source>Phone</source>
      <translation>Téléphone</translation>
    </message>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="53" />
      <source>Fax</source>
      <translation>Fax</translation>
    </message>
    <message>
      <location filename="../../ui/ManufacturerDlg.cpp" line="54" />
      <source>Mail</source>
      <translation>E-mail</translation>
    </message>
  </context>
  <context>
    <name>CModelwrightApp</name>
    <message>
      <location filename="../../app/ModelwrightApp.cpp" line="188" />
      <source>Untitled</source>
      <translation>Sans titre</translation>
    </message>
    <message>
      <location filename="../../app/ModelwrightApp.cpp" line="195" />
      <location filename="../../app/ModelwrightApp.cpp" line="215" />
      <source>Winrail Modelwright</source>
      <translation>Winrail Modelwright</translation>
    </message>
    <message>
      <location filename="../../app/ModelwrightApp.cpp" line="216" />
      <source>Recover the unsaved changes of %1 from %2?</source>
      <translation>Récupérer les modifications non enregistrées de %1 du %2 ?</translation>
    </message>
    <message>
      <location filename="../../app/ModelwrightApp.cpp" line="219" />
      <source>&amp;Recover</source>
      <translation>&amp;Récupérer</translation>
    </message>
    <message>
      <location filename="../../app/ModelwrightApp.cpp" line="220" />
      <source>&amp;Discard</source>
      <translation>&amp;Ignorer</translation>
    </message>
    <message>
      <location filename="../../app/ModelwrightApp.cpp" line="221" />
      <source>&amp;Later</source>
      <translation>&amp;Plus tard</translation>
    </message>
  </context>
  <context>
    <name>CModelwrightView</name>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="128" />
      <source>Tree</source>
      <translation type="vanished">Arbre</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="130" />
      <source>Building</source>
      <translation type="vanished">Bâtiment</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="132" />
      <source>Platform</source>
      <translation type="vanished">Quai</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="209" />
      <source>Edit header ...</source>
      <translation>Modifier l'en-tête ...</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="210" />
      <source>Delete ...</source>
      <translation>Supprimer ...</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="211" />
      <source>New tree ...</source>
      <translation>Nouvel arbre ...</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="212" />
      <source>New building ...</source>
      <translation>Nouveau bâtiment ...</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="213" />
      <source>Edit ...</source>
      <translation>Modifier ...</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="214" />
      <source>Export ...</source>
      <translation>Exporter ...</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="215" />
      <source>Export and compile ..</source>
      <translation>Exporter et compiler ..</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="216" />
      <source>New platform ...</source>
      <translation>Nouveau quai ...</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="440" />
      <source>Export partsfile</source>
      <translation>Exporter le fichier de pièces</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="443" />
      <source>Winrail parts Files (*.bdf)</source>
      <translation>Fichiers de pièces Winrail (*.bdf)</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="395" />
      <source>Untitled</source>
      <translation>Sans titre</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="78" />
      <source>New tree "%1"</source>
      <translation>Nouvel arbre « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="79" />
      <source>New building "%1"</source>
      <translation>Nouveau bâtiment « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="80" />
      <source>New platform "%1"</source>
      <translation>Nouveau quai « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="82" />
      <source>Edit tree "%1"</source>
      <translation>Modifier l'arbre « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="83" />
      <source>Edit building "%1"</source>
      <translation>Modifier le bâtiment « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="84" />
      <source>Edit platform "%1"</source>
      <translation>Modifier le quai « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="86" />
      <source>Delete tree "%1"</source>
      <translation>Supprimer l'arbre « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="87" />
      <source>Delete building "%1"</source>
      <translation>Supprimer le bâtiment « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="88" />
      <source>Delete platform "%1"</source>
      <translation>Supprimer le quai « %1 »</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="364" />
      <source>Edit address</source>
      <translation>Modifier l'adresse</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="368" />
      <source>Edit header</source>
      <translation>Modifier l'en-tête</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="478" />
      <location filename="../../ui/ModelwrightView.cpp" line="485" />
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="479" />
      <source>Author</source>
      <translation>Auteur</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="480" />
      <source>Version</source>
      <translation>Version</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="481" />
      <source>Currency</source>
      <translation>Devise</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="482" />
      <source>Manufacturer</source>
      <translation>Fabricant</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="483" />
      <source>Representative</source>
      <translation>Représentant</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="485" />
      <source>Kind</source>
      <translation>Type</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="485" />
      <source>Catalogue number</source>
      <translation>Numéro de catalogue</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="485" />
      <source>Price</source>
      <translation>Prix</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="485" />
      <source>Parts per package</source>
      <translation>Pièces par emballage</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="460" />
      <source>Winrail Modelwright</source>
      <translation>Winrail Modelwright</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="161" />
      <source>Filter by name or catalogue number (%1)</source>
      <translation>Filtrer par nom ou numéro de catalogue (%1)</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="337" />
      <source>Opened %1 with the desktop's program for parts files.</source>
      <translation>%1 ouvert avec le programme du bureau pour les fichiers de pièces.</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="339" />
      <source>No program on this desktop opens %1. Choose the program that compiles parts files under Options, General options.</source>
      <translation>Aucun programme de ce bureau n'ouvre %1. Choisissez le programme qui compile les fichiers de pièces sous Options, Options générales.</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="346" />
      <source>Started %1 on %2.</source>
      <translation>%1 lancé sur %2.</translation>
    </message>
    <message>
      <location filename="../../ui/ModelwrightView.cpp" line="348" />
      <source>Could not start %1: %2</source>
      <translation>Impossible de lancer %1 : %2</translation>
    </message>
  </context>
  <context>
    <name>COptionsPropertySheet</name>
    <message>
      <location filename="../../ui/OptionsPropertySheet.cpp" line="28" />
      <source>Options</source>
      <translation>Options</translation>
    </message>
  </context>
  <context>
    <name>CPlatformDlg</name>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="55" />
      <source>Platform edit dialog</source>
      <translation>Modifier le quai</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="75" />
      <source>Additional free text</source>
      <translation>Texte libre supplémentaire</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="96" />
      <source>Header information</source>
      <translation>Informations d'en-tête</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="105" />
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="106" />
      <source>Catalog no</source>
      <translation>N° de catalogue</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="107" />
      <source>Units</source>
      <translation>Unités</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="108" />
      <source>Price</source>
      <translation>Prix</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="109" />
      <source>Parts per package</source>
      <translation>Pièces par emballage</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="115" />
      <source>Floor part</source>
      <translation>Sol</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="122" />
      <source>Length</source>
      <translation>Longueur</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="123" />
      <source>Width</source>
      <translation>Largeur</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="124" />
      <source>Height</source>
      <translation>Hauteur</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="125" />
      <source>Top color</source>
      <translation>Couleur du dessus</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="126" />
      <source>Side color</source>
      <translation>Couleur des côtés</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="138" />
      <source>Pitched roof on poles along both edges</source>
      <translation>Toit à deux pans sur poteaux le long des deux bords</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="139" />
      <source>V-shaped roof on one middle row of poles</source>
      <translation>Toit en V sur une rangée centrale de poteaux</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="140" />
      <source>Arched roof on poles along both edges</source>
      <translation>Toit cintré sur poteaux le long des deux bords</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="141" />
      <source>Single-pitch roof on poles along both edges</source>
      <translation>Toit à un pan sur poteaux le long des deux bords</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="144" />
      <source>Cover type</source>
      <translation>Type de couverture</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="147" />
      <source>No cover</source>
      <translation>Pas de couverture</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="172" />
      <source>Cover properties</source>
      <translation>Propriétés de la couverture</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="179" />
      <source>Pole height</source>
      <translation>Hauteur des poteaux</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="180" />
      <source>Roof height</source>
      <translation>Hauteur du toit</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="181" />
      <source>Edge distance</source>
      <translation>Distance au bord</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="182" />
      <source>No of poles (one side)</source>
      <translation>Nombre de poteaux (un côté)</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="183" />
      <source>Roof color</source>
      <translation>Couleur du toit</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="189" />
      <source>Pole style</source>
      <translation>Forme des poteaux</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="192" />
      <source>Round pole</source>
      <translation>Poteau rond</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="193" />
      <source>Square pole</source>
      <translation>Poteau carré</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="203" />
      <source>Pole color</source>
      <translation>Couleur des poteaux</translation>
    </message>
    <message>
      <location filename="../../ui/PlatformDlg.cpp" line="204" />
      <source>Pole diameter</source>
      <translation>Diamètre des poteaux</translation>
    </message>
  </context>
  <context>
    <name>CTreeDlg</name>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="36" />
      <source>Edit tree</source>
      <translation>Modifier l'arbre</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="55" />
      <source>Addtional free text</source>
      <translation>Texte libre supplémentaire</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="71" />
      <source>General</source>
      <translation>Général</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="80" />
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="81" />
      <source>Catalog no</source>
      <translation>N° de catalogue</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="82" />
      <source>Price</source>
      <translation>Prix</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="83" />
      <source>Parts per package</source>
      <translation>Pièces par emballage</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="84" />
      <source>Units</source>
      <translation>Unités</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="90" />
      <source>Tree type</source>
      <translation>Type d'arbre</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="93" />
      <source>Needle leaved tree</source>
      <translation>Conifère</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="94" />
      <source>Deciduous tree</source>
      <translation>Feuillu</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="104" />
      <source>Trunk</source>
      <translation>Tronc</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="109" />
      <location filename="../../ui/TreeDlg.cpp" line="122" />
      <source>Height</source>
      <translation>Hauteur</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="110" />
      <location filename="../../ui/TreeDlg.cpp" line="123" />
      <source>Radius</source>
      <translation>Rayon</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="111" />
      <source>Trunk color</source>
      <translation>Couleur du tronc</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="117" />
      <source>Top</source>
      <translation>Couronne</translation>
    </message>
    <message>
      <location filename="../../ui/TreeDlg.cpp" line="124" />
      <source>Top color</source>
      <translation>Couleur de la couronne</translation>
    </message>
  </context>
  <context>
    <name>CUnitsComboBox</name>
    <message>
      <location filename="../../ui/UnitsComboBox.cpp" line="17" />
      <source>mm</source>
      <translation>mm</translation>
    </message>
    <message>
      <location filename="../../ui/UnitsComboBox.cpp" line="18" />
      <source>inch</source>
      <translation>pouce</translation>
    </message>
  </context>
  <context>
    <name>CPartsTableModel</name>
    <message>
      <location filename="../../ui/PartsTable.cpp" line="149" />
      <source>Tree</source>
      <translation>Arbre</translation>
    </message>
    <message>
      <location filename="../../ui/PartsTable.cpp" line="151" />
      <source>Building</source>
      <translation>Bâtiment</translation>
    </message>
    <message>
      <location filename="../../ui/PartsTable.cpp" line="153" />
      <source>Platform</source>
      <translation>Quai</translation>
    </message>
    <message>
      <location filename="../../ui/PartsTable.cpp" line="210" />
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <location filename="../../ui/PartsTable.cpp" line="212" />
      <source>Kind</source>
      <translation>Type</translation>
    </message>
    <message>
      <location filename="../../ui/PartsTable.cpp" line="214" />
      <source>Catalogue no</source>
      <translation>N° de catalogue</translation>
    </message>
    <message>
      <location filename="../../ui/PartsTable.cpp" line="216" />
      <source>Price</source>
      <translation>Prix</translation>
    </message>
  </context>
  <context>
    <name>CompileCommand</name>
    <message>
      <location filename="../../ui/CompileCommand.cpp" line="31" />
      <source>The desktop opens %1 files as fonts. Choose the program that compiles parts files under Options, General options.</source>
      <translation>Le bureau ouvre les fichiers %1 comme des polices. Choisissez le programme qui compile les fichiers de pièces sous Options, Options générales.</translation>
    </message>
    <message>
      <location filename="../../ui/CompileCommand.cpp" line="42" />
      <source>The compile command "%1" names no program.</source>
      <translation>La commande de compilation « %1 » ne nomme aucun programme.</translation>
    </message>
  </context>
  <context>
    <name>CPartPreview</name>
    <message>
      <source>Unknown keyword "%1".</source>
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
      <source>"%1" is not a whole number.</source>
      <translation>« %1 » n'est pas un nombre entier.</translation>
    </message>
    <message>
      <source>The number %1 is too large.</source>
      <translation>Le nombre %1 est trop grand.</translation>
    </message>
    <message>
      <source>"%1" is not a colour ($ and six hexadecimal digits).</source>
      <translation>« %1 » n'est pas une couleur ($ et six chiffres hexadécimaux).</translation>
    </message>
    <message>
      <source>The 3D group has no End3D line.</source>
      <translation>Il manque la ligne End3D au groupe 3D.</translation>
    </message>
    <message>
      <source>The group's points do not make whole shapes.</source>
      <translation>Les points du groupe ne forment pas des formes entières.</translation>
    </message>
    <message>
      <source>The solid has no Center line and is not drawn.</source>
      <translation>Il manque la ligne Center au solide ; il n'est pas dessiné.</translation>
    </message>
    <message>
      <source>This line does not belong here.</source>
      <translation>Cette ligne n'a pas sa place ici.</translation>
    </message>
    <message>
      <source>The part's line needs its number and name in double quotes.</source>
      <translation>La ligne de la pièce demande son numéro et son nom entre guillemets doubles.</translation>
    </message>
    <message>
      <source>The part has no End line.</source>
      <translation>Il manque la ligne End à la pièce.</translation>
    </message>
    <message>
      <source>Text stands outside a part.</source>
      <translation>Du texte se trouve hors d'une pièce.</translation>
    </message>
    <message>
      <source>The header has no End line.</source>
      <translation>Il manque la ligne End à l'en-tête.</translation>
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
      <translation>Montrer la pièce entière (Début, ou double-clic sur l'image)</translation>
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
      <location filename="../../ui/PartPreview.cpp" line="349" />
      <source>Faults in the free texts, found by the last export:</source>
      <translation>Erreurs dans les textes libres, trouvées par le dernier export :</translation>
    </message>
    <message>
      <location filename="../../ui/PartPreview.cpp" line="350" />
      <source>Click a fault to select its part</source>
      <translation>Cliquez sur une erreur pour sélectionner sa pièce</translation>
    </message>
    <message>
      <location filename="../../ui/PartPreview.cpp" line="408" />
      <source>Element %1, line %2: %3</source>
      <translation>Élément %1, ligne %2 : %3</translation>
    </message>
    <message>
      <location filename="../../ui/PartPreview.cpp" line="484" />
      <source>%1, line %2: %3</source>
      <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
      <location filename="../../ui/PartPreview.cpp" line="485" />
      <source>%1, element %2, line %3: %4</source>
      <translation>%1, élément %2, ligne %3 : %4</translation>
    </message>
  </context>
</TS>
