<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="27"/>
        <source>Modelwright Version 2.0</source>
        <translation>Modelwright version 2.0</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="28"/>
        <source>The Modelwright developers</source>
        <translation>Les développeurs de Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="29"/>
        <source>Homepage</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="30"/>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="32"/>
        <source>About Modelwright</source>
        <translation>À propos de Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="69"/>
        <source>Modelwright</source>
        <translation>Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="69"/>
        <source>version</source>
        <translation>version</translation>
    </message>
</context>
<context>
    <name>CBuildingDlg</name>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="26"/>
        <source>Building edit dialog</source>
        <translation>Modifier le bâtiment</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="73"/>
        <source>Header information</source>
        <translation>Informations d&apos;en-tête</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="87"/>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="89"/>
        <source>P&amp;rice</source>
        <translation>&amp;Prix</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="91"/>
        <source>&amp;Parts per package</source>
        <translation>Piè&amp;ces par paquet</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="90"/>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="88"/>
        <source>C&amp;atalogue no</source>
        <translation>&amp;N° de catalogue</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="98"/>
        <source>&amp;Building elements</source>
        <translation>É&amp;léments du bâtiment</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="100"/>
        <source>&amp;New ...</source>
        <translation>Nou&amp;veau ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="101"/>
        <source>&amp;Edit ...</source>
        <translation>&amp;Modifier ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="102"/>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="29"/>
        <source>&amp;Free text after last element</source>
        <translation>&amp;Texte libre après le dernier élément</translation>
    </message>
</context>
<context>
    <name>CBuildingElementDlg</name>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="37"/>
        <source>Ridge roof</source>
        <translation>Toit à deux pans</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="38"/>
        <source>Roof with sloping sides and a flat top</source>
        <translation>Toit à pans inclinés et dessus plat</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="39"/>
        <source>Single-slope roof</source>
        <translation>Toit à un pan</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="67"/>
        <source>Building element</source>
        <translation>Élément de bâtiment</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="71"/>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="164"/>
        <source>Block</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="170"/>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="184"/>
        <source>He&amp;ight</source>
        <translation>Ha&amp;uteur</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="171"/>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="48"/>
        <source>&amp;0°</source>
        <translation>&amp;0°</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="49"/>
        <source>&amp;90°</source>
        <translation>&amp;90°</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="50"/>
        <source>&amp;180°</source>
        <translation>&amp;180°</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="51"/>
        <source>&amp;270°</source>
        <translation>&amp;270°</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="172"/>
        <source>De&amp;pth</source>
        <translation>&amp;Profondeur</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="173"/>
        <source>&amp;Block color</source>
        <translation>Couleur du &amp;bloc</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="179"/>
        <source>Roof</source>
        <translation>Toit</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="185"/>
        <source>&amp;Angle</source>
        <translation>An&amp;gle</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="186"/>
        <source>&amp;Roof color</source>
        <translation>&amp;Couleur du toit</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="188"/>
        <source>Roof type</source>
        <translation>Type de toit</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="199"/>
        <source>No roo&amp;f</source>
        <translation>Pas de &amp;toit</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="201"/>
        <source>Roof orientation</source>
        <translation>Orientation du toit</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="217"/>
        <source>Element position</source>
        <translation>Position de l&apos;élément</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="218"/>
        <source>Lower left corner of block:</source>
        <translation>Coin inférieur gauche du bloc :</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="225"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="226"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="227"/>
        <source>&amp;Z:</source>
        <translation>&amp;Z:</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="233"/>
        <source>Decoration&amp;s</source>
        <translation>Portes et &amp;fenêtres</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="236"/>
        <source>&amp;New ...</source>
        <translation>&amp;Nouveau ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="237"/>
        <source>&amp;Edit  ...</source>
        <translation>&amp;Modifier ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="238"/>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="324"/>
        <source>Choose a roof type</source>
        <translation>Choisissez un type de toit</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="326"/>
        <source>Choose a roof orientation</source>
        <translation>Choisissez une orientation du toit</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="327"/>
        <source>Block height must not be 0</source>
        <translation>La hauteur du bloc ne doit pas être 0</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="328"/>
        <source>Block width must not be 0</source>
        <translation>La largeur du bloc ne doit pas être 0</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="328"/>
        <source>Block depth must not be 0</source>
        <translation>La profondeur du bloc ne doit pas être 0</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="74"/>
        <source>Free additional &amp;text</source>
        <translation>T&amp;exte libre supplémentaire</translation>
    </message>
</context>
<context>
    <name>CColorButton</name>
    <message>
        <location filename="../../ui/ColorButton.cpp" line="16"/>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <location filename="../../ui/ColorButton.cpp" line="17"/>
        <source>More Colors...</source>
        <translation>Autres couleurs...</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="8"/>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="9"/>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="10"/>
        <source>Dark Olive Green</source>
        <translation>Vert olive foncé</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="11"/>
        <source>Dark Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="12"/>
        <source>Dark Teal</source>
        <translation>Bleu-vert foncé</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="13"/>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="14"/>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="15"/>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="16"/>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="17"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="18"/>
        <source>Dark yellow</source>
        <translation>Jaune foncé</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="19"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="20"/>
        <source>Teal</source>
        <translation>Bleu-vert</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="21"/>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="22"/>
        <source>Blue-grey</source>
        <translation>Gris-bleu</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="23"/>
        <source>Grey - 40</source>
        <translation>Gris - 40</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="24"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="25"/>
        <source>Light orange</source>
        <translation>Orange clair</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="26"/>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="27"/>
        <source>Sea green</source>
        <translation>Vert d&apos;eau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="28"/>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="29"/>
        <source>Light blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="30"/>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="31"/>
        <source>Grey - 50</source>
        <translation>Gris - 50</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="32"/>
        <source>Pink</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="33"/>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="34"/>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="35"/>
        <source>Bright green</source>
        <translation>Vert vif</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="36"/>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="37"/>
        <source>Skyblue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="38"/>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="39"/>
        <source>Light grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="40"/>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="41"/>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="42"/>
        <source>Light yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="43"/>
        <source>Pale green</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="44"/>
        <source>Pale turquoise</source>
        <translation>Turquoise pâle</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="45"/>
        <source>Pale blue</source>
        <translation>Bleu pâle</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="46"/>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="47"/>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>CDecorationDlg</name>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="44"/>
        <source>&amp;1 window</source>
        <translation>&amp;1 carreau</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="45"/>
        <source>&amp;2 windows</source>
        <translation>&amp;2 carreaux</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="46"/>
        <source>&amp;4 windows</source>
        <translation>&amp;4 carreaux</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="47"/>
        <source>&amp;6 windows</source>
        <translation>&amp;6 carreaux</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="48"/>
        <source>&amp;8 windows</source>
        <translation>&amp;8 carreaux</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="78"/>
        <source>Decorations edit dialog</source>
        <translation>Modifier les portes et fenêtres</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="82"/>
        <source>D&amp;escription</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="148"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="149"/>
        <source>Position relative to lower left corner of the wall</source>
        <translation>Position par rapport au coin inférieur gauche du mur</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="155"/>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="156"/>
        <source>&amp;Z:</source>
        <translation>&amp;Z:</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="162"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="166"/>
        <source>Wid&amp;th</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="167"/>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="173"/>
        <source>Which wall?</source>
        <translation>Quel mur ?</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="287"/>
        <source>Choose a wall</source>
        <translation>Choisissez un mur</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="289"/>
        <source>Choose a main type</source>
        <translation>Choisissez un type principal</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="291"/>
        <source>Choose a subtype</source>
        <translation>Choisissez un sous-type</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="293"/>
        <source>Width must not be 0</source>
        <translation>La largeur ne doit pas être 0</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="295"/>
        <source>Height must not be 0</source>
        <translation>La hauteur ne doit pas être 0</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="32"/>
        <source>&amp;Front</source>
        <translation>A&amp;vant</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="33"/>
        <source>&amp;Rear</source>
        <translation>Arriè&amp;re</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="34"/>
        <source>&amp;Left side</source>
        <translation>Côté &amp;gauche</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="35"/>
        <source>Right &amp;side</source>
        <translation>Cô&amp;té droit</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="183"/>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="187"/>
        <source>&amp;Main color</source>
        <translation>&amp;Couleur principale</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="188"/>
        <source>&amp;Inner color</source>
        <translation>Couleur &amp;intérieure</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="194"/>
        <source>Types</source>
        <translation>Types</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="196"/>
        <source>Main type</source>
        <translation>Type principal</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="199"/>
        <source>&amp;Base A</source>
        <translation>&amp;Base A</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="201"/>
        <source>B&amp;ase B</source>
        <translation>Ba&amp;se B</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="204"/>
        <source>Subtype</source>
        <translation>Sous-type</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="38"/>
        <source>&amp;Door</source>
        <translation>&amp;Porte</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="39"/>
        <source>Door with wi&amp;ndow</source>
        <translation>Porte vitré&amp;e</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="40"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenêtre</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="210"/>
        <source>Window count</source>
        <translation>Nombre de carreaux</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="85"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>CGeneralOptions</name>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="31"/>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="32"/>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="33"/>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="35"/>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="39"/>
        <source>5.x</source>
        <translation>5.x</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="40"/>
        <source>6.x</source>
        <translation>6.x</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="106"/>
        <source>General options</source>
        <translation>Options générales</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="88"/>
        <source>&amp;Select language</source>
        <translation>C&amp;hoisir la langue</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="89"/>
        <source>&amp;Winrail version </source>
        <translation>&amp;Version de Winrail </translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="75"/>
        <source>&amp;Use hexahedron instead of Hexaedron (bug fix)</source>
        <translation>&amp;Utiliser hexahedron au lieu de Hexaedron (correction)</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="94"/>
        <source>&amp;Keep unsaved changes for recovery every</source>
        <translation>&amp;Conserver les modifications non enregistrées pour la récupération toutes les</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="78"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="79"/>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="80"/>
        <source>Keep the previous version as a &amp;backup (.bak) when saving</source>
        <translation>Conserver la version précédente comme &amp;sauvegarde (.bak) à l&apos;enregistrement</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="34"/>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="98"/>
        <source>Co&amp;mpile command</source>
        <translation>Co&amp;mmande de compilation</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="83"/>
        <source>Run by &quot;Export and compile&quot; on the parts file; %f stands for the file. Empty: the desktop&apos;s program for parts files.</source>
        <translation>Lancée par « Exporter et compiler » sur le fichier de pièces ; %f représente le fichier. Vide : le programme du bureau pour les fichiers de pièces.</translation>
    </message>
</context>
<context>
    <name>CHeaderDlg</name>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="19"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="20"/>
        <source>Street+nr</source>
        <translation>Rue+n°</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="21"/>
        <source>ZIP</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="22"/>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="23"/>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="24"/>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="25"/>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="26"/>
        <source>Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="38"/>
        <source>Edit header</source>
        <translation>Modifier l&apos;en-tête</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="69"/>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="70"/>
        <source>&amp;Author</source>
        <translation>A&amp;uteur</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="71"/>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="72"/>
        <source>C&amp;urrency</source>
        <translation>D&amp;evise</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="46"/>
        <source>Edit &amp;manufacturer ...</source>
        <translation>&amp;Modifier le fabricant ...</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="47"/>
        <source>Edit &amp;representative ...</source>
        <translation>Modifier le &amp;représentant ...</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="199"/>
        <source>Modelwright</source>
        <translation>Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="199"/>
        <source>Cannot find the help file. Please reinstall.</source>
        <translation>Impossible de trouver le fichier d&apos;aide. Veuillez réinstaller le programme.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="145"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="146"/>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="147"/>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="144"/>
        <source>Modelwright Help</source>
        <translation>Aide de Modelwright</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../../app/MainFrame.cpp" line="330"/>
        <source>CAP</source>
        <comment>Caps Lock is on</comment>
        <translation>MAJ</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="331"/>
        <source>NUM</source>
        <comment>Num Lock is on</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="332"/>
        <source>SCRL</source>
        <comment>Scroll Lock is on</comment>
        <translation>DEFIL</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="356"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="357"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="357"/>
        <source>Start a new catalogue</source>
        <translation>Commencer un nouveau catalogue</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="358"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="358"/>
        <source>Open a catalogue file</source>
        <translation>Ouvrir un fichier catalogue</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="359"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="359"/>
        <source>Save the catalogue</source>
        <translation>Enregistrer le catalogue</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="360"/>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="360"/>
        <source>Save the catalogue under a new name</source>
        <translation>Enregistrer le catalogue sous un nouveau nom</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="363"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="363"/>
        <source>Print the catalogue</source>
        <translation>Imprimer le catalogue</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="364"/>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="364"/>
        <source>Show the printed pages</source>
        <translation>Afficher les pages imprimées</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="365"/>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="365"/>
        <source>Choose the printer and the page</source>
        <translation>Choisir l&apos;imprimante et la page</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="366"/>
        <source>Sen&amp;d...</source>
        <translation>En&amp;voyer...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="366"/>
        <source>Send the catalogue file by mail</source>
        <translation>Envoyer le fichier catalogue par e-mail</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="367"/>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="367"/>
        <source>Open a recently used catalogue</source>
        <translation>Ouvrir un catalogue utilisé récemment</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="368"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="368"/>
        <source>Quit the program; asks to save changes</source>
        <translation>Quitter le programme ; propose d&apos;enregistrer les modifications</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="369"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="371"/>
        <source>P&amp;art</source>
        <translation>&amp;Pièce</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="372"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="373"/>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="374"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="374"/>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="375"/>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="375"/>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="376"/>
        <location filename="../../app/MainFrame.cpp" line="377"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="377"/>
        <source>Choose the language, the Winrail version and the hexahedron keyword</source>
        <translation>Choisir la langue, la version de Winrail et le mot-clé de l&apos;hexaèdre</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="378"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="379"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="379"/>
        <source>Show the contents of the help</source>
        <translation>Afficher le sommaire de l&apos;aide</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="380"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="380"/>
        <source>Show the help on the active window</source>
        <translation>Afficher l&apos;aide de la fenêtre active</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="381"/>
        <source>Context help</source>
        <translation>Aide contextuelle</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="381"/>
        <source>Show the help on the next window clicked</source>
        <translation>Afficher l&apos;aide de la prochaine fenêtre cliquée</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="382"/>
        <source>&amp;About Modelwright...</source>
        <translation>À &amp;propos de Modelwright...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="382"/>
        <source>Show the program&apos;s version and copyright</source>
        <translation>Afficher la version et le copyright du programme</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>Take back the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>Make the change taken back again</source>
        <translation>Refaire la modification annulée</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="421"/>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="427"/>
        <source>Exported one part to %1</source>
        <translation>Une pièce exportée vers %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../../app/MainFrame.cpp" line="428"/>
        <source>Exported %n parts to %1</source>
        <translation>
            <numerusform>%n pièce exportée vers %1</numerusform>
            <numerusform>%n pièces exportées vers %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="431"/>
        <source>The free texts have one fault, listed under the preview.</source>
        <translation>Les textes libres ont une erreur, listée sous l’aperçu.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../app/MainFrame.cpp" line="432"/>
        <source>The free texts have %n faults, listed under the preview.</source>
        <translation>
            <numerusform>Les textes libres ont %n erreur, listée sous l’aperçu.</numerusform>
            <numerusform>Les textes libres ont %n erreurs, listées sous l’aperçu.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="440"/>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="440"/>
        <location filename="../../app/MainFrame.cpp" line="463"/>
        <location filename="../../app/MainFrame.cpp" line="469"/>
        <location filename="../../app/MainFrame.cpp" line="477"/>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="463"/>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="470"/>
        <source>Save the catalogue under another name?</source>
        <translation>Enregistrer le catalogue sous un autre nom ?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="571"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="572"/>
        <location filename="../../app/MainFrame.cpp" line="662"/>
        <source>Winrail Object Files (*.wo3)</source>
        <translation>Fichiers objets Winrail (*.wo3)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="572"/>
        <location filename="../../app/MainFrame.cpp" line="662"/>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="659"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="699"/>
        <source>The catalogue was saved, but its previous version could not be kept as %1.
%2</source>
        <translation>Le catalogue a été enregistré, mais sa version précédente n&apos;a pas pu être conservée sous %1.
%2</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="793"/>
        <source>Open this catalogue</source>
        <translation>Ouvrir ce catalogue</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="828"/>
        <source>%1 cannot be printed: the printer &quot;%2&quot; is not available.</source>
        <translation>Impossible d&apos;imprimer %1 : l&apos;imprimante « %2 » n&apos;est pas disponible.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="830"/>
        <source>%1 cannot be printed: no printer is available.</source>
        <translation>Impossible d&apos;imprimer %1 : aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="832"/>
        <source>%1 cannot be printed: no printer is chosen as the default.</source>
        <translation>Impossible d&apos;imprimer %1 : aucune imprimante par défaut n&apos;est choisie.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="878"/>
        <location filename="../../app/MainFrame.cpp" line="889"/>
        <source>Failed to send mail.</source>
        <translation>L&apos;envoi de l&apos;e-mail a échoué.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="408"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="361"/>
        <source>Export 3D &amp;model...</source>
        <translation>Exporter en &amp;modèle 3D...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="362"/>
        <source>Write the selected part or all parts as a 3D model for other programs (glTF or OBJ)</source>
        <translation>Écrire la pièce choisie ou toutes les pièces comme modèle 3D pour d’autres programmes (glTF ou OBJ)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="594"/>
        <location filename="../../app/MainFrame.cpp" line="613"/>
        <source>Export 3D model</source>
        <translation>Exporter en modèle 3D</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="595"/>
        <source>Export the selected part &quot;%1&quot; or all %2 parts of the catalogue?</source>
        <translation>Exporter la pièce choisie « %1 » ou les %2 pièces du catalogue ?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="600"/>
        <source>&amp;Selected part</source>
        <translation>&amp;Pièce choisie</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="601"/>
        <source>&amp;All parts</source>
        <translation>&amp;Toutes les pièces</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="616"/>
        <source>glTF binary (*.glb)</source>
        <translation>glTF binaire (*.glb)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="616"/>
        <source>Wavefront OBJ (*.obj)</source>
        <translation>Wavefront OBJ (*.obj)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="634"/>
        <source>The catalogue has no parts to export.</source>
        <translation>Le catalogue n’a aucune pièce à exporter.</translation>
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="15"/>
        <source>Edit manufacturer</source>
        <translation>Modifier le fabricant</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="23"/>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="24"/>
        <source>&amp;Street+nr</source>
        <translation>&amp;Rue+n°</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="25"/>
        <source>&amp;ZIP code</source>
        <translation>&amp;Code postal</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="26"/>
        <source>&amp;Town</source>
        <translation>&amp;Ville</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="27"/>
        <source>Co&amp;untry</source>
        <translation>&amp;Pays</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="28"/>
        <source>&amp;Phone</source>
        <translation>&amp;Téléphone</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="29"/>
        <source>&amp;Fax</source>
        <translation>&amp;Fax</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="30"/>
        <source>&amp;Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
</context>
<context>
    <name>CModelwrightApp</name>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="203"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="210"/>
        <location filename="../../app/ModelwrightApp.cpp" line="230"/>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="231"/>
        <source>Recover the unsaved changes of %1 from %2?</source>
        <translation>Récupérer les modifications non enregistrées de %1 du %2 ?</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="234"/>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="235"/>
        <source>&amp;Discard</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="236"/>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
</context>
<context>
    <name>CModelwrightView</name>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="319"/>
        <source>Edi&amp;t header ...</source>
        <translation>Modifier l&apos;en-&amp;tête ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="320"/>
        <source>&amp;Delete ...</source>
        <translation>&amp;Supprimer ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="321"/>
        <source>&amp;New tree ...</source>
        <translation>&amp;Nouvel arbre ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="322"/>
        <source>New &amp;building ...</source>
        <translation>Nouveau &amp;bâtiment ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="323"/>
        <source>Ed&amp;it ...</source>
        <translation>&amp;Modifier ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="324"/>
        <source>E&amp;xport ...</source>
        <translation>&amp;Exporter ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="326"/>
        <source>New &amp;platform ...</source>
        <translation>Nouveau &amp;quai ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="643"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="68"/>
        <source>New tree &quot;%1&quot;</source>
        <translation>Nouvel arbre « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="69"/>
        <source>New building &quot;%1&quot;</source>
        <translation>Nouveau bâtiment « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="70"/>
        <source>New platform &quot;%1&quot;</source>
        <translation>Nouveau quai « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="72"/>
        <source>Edit tree &quot;%1&quot;</source>
        <translation>Modifier l&apos;arbre « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="73"/>
        <source>Edit building &quot;%1&quot;</source>
        <translation>Modifier le bâtiment « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="74"/>
        <source>Edit platform &quot;%1&quot;</source>
        <translation>Modifier le quai « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="76"/>
        <source>Delete tree &quot;%1&quot;</source>
        <translation>Supprimer l&apos;arbre « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="77"/>
        <source>Delete building &quot;%1&quot;</source>
        <translation>Supprimer le bâtiment « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="78"/>
        <source>Delete platform &quot;%1&quot;</source>
        <translation>Supprimer le quai « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="325"/>
        <source>Export and &amp;compile ...</source>
        <translation>Exporter et &amp;compiler ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="327"/>
        <source>D&amp;uplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="328"/>
        <source>Add a copy of the selected part under a new name</source>
        <translation>Ajouter une copie de la pièce choisie sous un nouveau nom</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="329"/>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="330"/>
        <source>Move the selected part to the clipboard</source>
        <translation>Déplacer la pièce choisie vers le presse-papiers</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="331"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="332"/>
        <source>Copy the selected part to the clipboard</source>
        <translation>Copier la pièce choisie dans le presse-papiers</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="333"/>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="334"/>
        <source>Add the part on the clipboard to the catalogue</source>
        <translation>Ajouter au catalogue la pièce du presse-papiers</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="491"/>
        <source>Duplicate &quot;%1&quot;</source>
        <translation>Dupliquer « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="561"/>
        <source>The clipboard holds no part that can be pasted.</source>
        <translation>Le presse-papiers ne contient aucune pièce à coller.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="568"/>
        <source>Paste &quot;%1&quot;</source>
        <translation>Coller « %1 »</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="606"/>
        <source>Edit address</source>
        <translation>Modifier l&apos;adresse</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="611"/>
        <source>Edit header</source>
        <translation>Modifier l&apos;en-tête</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="761"/>
        <source>Export parts file</source>
        <translation>Exporter le fichier de pièces</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="764"/>
        <source>Winrail parts files (*.bdf)</source>
        <translation>Fichiers de pièces Winrail (*.bdf)</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="820"/>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="821"/>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="822"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="823"/>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="824"/>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="825"/>
        <source>Representative</source>
        <translation>Représentant</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Catalogue number</source>
        <translation>Numéro de catalogue</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Parts per package</source>
        <translation>Pièces par paquet</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="802"/>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="335"/>
        <source>Filter by name or catalogue number (%1)</source>
        <translation>Filtrer par nom ou numéro de catalogue (%1)</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="685"/>
        <location filename="../../ui/ModelwrightView.cpp" line="721"/>
        <source>Opened %1 with the desktop&apos;s program for parts files.</source>
        <translation>%1 ouvert avec le programme du bureau pour les fichiers de pièces.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="736"/>
        <source>No program on this desktop opens %1. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Aucun programme de ce bureau n&apos;ouvre %1. Choisissez le programme qui compile les fichiers de pièces sous Options, Options générales.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="701"/>
        <source>Started %1 on %2.</source>
        <translation>%1 lancé sur %2.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="711"/>
        <source>Could not start %1: %2</source>
        <translation>Impossible de lancer %1 : %2</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="726"/>
        <source>crashed</source>
        <translation>plantage</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="726"/>
        <source>exit %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="728"/>
        <source>%1 on %2 finished (%3).</source>
        <translation>%1 sur %2 terminé (%3).</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="730"/>
        <source>%1 on %2 failed (%3).</source>
        <translation>%1 sur %2 a échoué (%3).</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="731"/>
        <source>%1 ended (%2). Its last lines:</source>
        <translation>%1 s&apos;est terminé (%2). Ses dernières lignes :</translation>
    </message>
</context>
<context>
    <name>COptionsPropertySheet</name>
    <message>
        <location filename="../../ui/OptionsPropertySheet.cpp" line="14"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>CPartPreview</name>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="110"/>
        <source>Unknown keyword &quot;%1&quot;.</source>
        <translation>Mot-clé inconnu « %1 ».</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="112"/>
        <source>Numbers are missing on this line.</source>
        <translation>Des nombres manquent sur cette ligne.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="114"/>
        <source>Text after the last number is ignored.</source>
        <translation>Le texte après le dernier nombre est ignoré.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="116"/>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>« %1 » n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="118"/>
        <source>The number %1 is too large.</source>
        <translation>Le nombre %1 est trop grand.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="120"/>
        <source>&quot;%1&quot; is not a colour ($ and six hexadecimal digits).</source>
        <translation>« %1 » n&apos;est pas une couleur ($ et six chiffres hexadécimaux).</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="122"/>
        <source>The 3D group has no End3D line.</source>
        <translation>Il manque la ligne End3D au groupe 3D.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="124"/>
        <source>The group&apos;s points do not make whole shapes.</source>
        <translation>Les points du groupe ne forment pas des formes entières.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="128"/>
        <source>The solid has no Center line and is not drawn.</source>
        <translation>Il manque la ligne Center au solide ; il n&apos;est pas dessiné.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="130"/>
        <source>This line does not belong here.</source>
        <translation>Cette ligne n&apos;a pas sa place ici.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="132"/>
        <source>The part&apos;s line needs its number and name in double quotes.</source>
        <translation>La ligne de la pièce demande son numéro et son nom entre guillemets doubles.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="134"/>
        <source>The part has no End line.</source>
        <translation>Il manque la ligne End à la pièce.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="136"/>
        <source>Text stands outside a part.</source>
        <translation>Du texte se trouve hors d&apos;une pièce.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="138"/>
        <source>The header has no End line.</source>
        <translation>Il manque la ligne End à l&apos;en-tête.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="628"/>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="629"/>
        <source>Three-dimensional view; drag to turn it (3)</source>
        <translation>Vue en trois dimensions ; faites glisser pour la tourner (3)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="630"/>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="631"/>
        <source>The part as the track plan shows it (P)</source>
        <translation>La pièce telle que le plan de voies la montre (P)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="632"/>
        <source>Front</source>
        <translation>Face</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="633"/>
        <source>Seen from the front (F)</source>
        <translation>Vue de face (F)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="634"/>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="635"/>
        <source>Seen from the right side (S)</source>
        <translation>Vue du côté droit (S)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="636"/>
        <source>Top</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="637"/>
        <source>Seen from above (T)</source>
        <translation>Vue de dessus (T)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="638"/>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="639"/>
        <source>Show the whole part (Home, or double-click the picture)</source>
        <translation>Montrer la pièce entière (Début, ou double-clic sur l&apos;image)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="800"/>
        <source>This part is too large to show.</source>
        <translation>Cette pièce est trop grande pour être montrée.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="645"/>
        <location filename="../../ui/PartPreview.cpp" line="806"/>
        <source>Select a part to see it here.</source>
        <translation>Choisissez une pièce pour la voir ici.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="677"/>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="700"/>
        <location filename="../../ui/PartPreview.cpp" line="830"/>
        <source>Free text, line %1: %2</source>
        <translation>Texte libre, ligne %1 : %2</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="642"/>
        <source>Faults in the free texts, found by the last export:</source>
        <translation>Erreurs dans les textes libres, trouvées par le dernier export :</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="643"/>
        <source>Click a fault to select its part</source>
        <translation>Cliquez sur une erreur pour sélectionner sa pièce</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="701"/>
        <source>Element %1, line %2: %3</source>
        <translation>Élément %1, ligne %2 : %3</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="845"/>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="846"/>
        <source>%1, element %2, line %3: %4</source>
        <translation>%1, élément %2, ligne %3 : %4</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="126"/>
        <source>The group&apos;s first point has no colour.</source>
        <translation>Le premier point du groupe n’a pas de couleur.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="140"/>
        <source>The text is too large to be read whole; reading stopped here.</source>
        <translation>Le texte est trop grand pour être lu en entier ; la lecture s&apos;arrête ici.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="640"/>
        <source>Same scale for all parts</source>
        <translation>Même échelle pour toutes les pièces</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="641"/>
        <source>Show every part at the scale of this one, so that their sizes compare</source>
        <translation>Afficher chaque pièce à l’échelle de celle-ci, pour comparer leurs tailles</translation>
    </message>
</context>
<context>
    <name>CPartsTableModel</name>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="128"/>
        <source>Tree</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="130"/>
        <source>Building</source>
        <translation>Bâtiment</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="132"/>
        <source>Platform</source>
        <translation>Quai</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="189"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="191"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="193"/>
        <source>Catalogue no</source>
        <translation>N° de catalogue</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="195"/>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
</context>
<context>
    <name>CPlatformDlg</name>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="44"/>
        <source>Platform edit dialog</source>
        <translation>Modifier le quai</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="65"/>
        <source>Additional free te&amp;xt</source>
        <translation>Texte libre a&amp;jouté</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="103"/>
        <source>Header information</source>
        <translation>Informations d&apos;en-tête</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="110"/>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="111"/>
        <source>C&amp;atalogue no</source>
        <translation>&amp;N° de catalogue</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="112"/>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="113"/>
        <source>Pr&amp;ice</source>
        <translation>Pri&amp;x</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="114"/>
        <source>Parts per pac&amp;kage</source>
        <translation>Pièces par pa&amp;quet</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="120"/>
        <source>Floor part</source>
        <translation>Sol</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="127"/>
        <source>&amp;Length</source>
        <translation>&amp;Longueur</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="128"/>
        <source>&amp;Width</source>
        <translation>Lar&amp;geur</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="129"/>
        <source>&amp;Height</source>
        <translation>Haut&amp;eur</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="130"/>
        <source>&amp;Top color</source>
        <translation>Couleur de la &amp;face supérieure</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="131"/>
        <source>&amp;Side color</source>
        <translation>Couleur des côté&amp;s</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="143"/>
        <source>Pitched roof on poles along both edges</source>
        <translation>Toit à deux pans sur poteaux le long des deux bords</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="144"/>
        <source>V-shaped roof on one middle row of poles</source>
        <translation>Toit en V sur une rangée centrale de poteaux</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="145"/>
        <source>Arched roof on poles along both edges</source>
        <translation>Toit cintré sur poteaux le long des deux bords</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="146"/>
        <source>Single-pitch roof on poles along both edges</source>
        <translation>Toit à un pan sur poteaux le long des deux bords</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="149"/>
        <source>Cover type</source>
        <translation>Type de couverture</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="152"/>
        <source>No co&amp;ver</source>
        <translation>Pas de cou&amp;verture</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="177"/>
        <source>Cover properties</source>
        <translation>Propriétés de la couverture</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="184"/>
        <source>Pole hei&amp;ght</source>
        <translation>&amp;Hauteur des poteaux</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="185"/>
        <source>&amp;Roof height</source>
        <translation>Hauteur du &amp;toit</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="186"/>
        <source>&amp;Edge distance</source>
        <translation>Distance au &amp;bord</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="187"/>
        <source>Num&amp;ber of poles (one side)</source>
        <translation>No&amp;mbre de poteaux (un côté)</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="188"/>
        <source>Roo&amp;f color</source>
        <translation>&amp;Couleur du toit</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="194"/>
        <source>Pole style</source>
        <translation>Forme des poteaux</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="197"/>
        <source>Rou&amp;nd pole</source>
        <translation>Poteau c&amp;ylindrique</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="198"/>
        <source>S&amp;quare pole</source>
        <translation>&amp;Poteau carré</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="208"/>
        <source>&amp;Pole color</source>
        <translation>Couleu&amp;r des poteaux</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="209"/>
        <source>Pole dia&amp;meter</source>
        <translation>D&amp;iamètre des poteaux</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="295"/>
        <source>Choose a cover type</source>
        <translation>Choisissez un type de couverture</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="296"/>
        <source>Length must be more than 0</source>
        <translation>La longueur doit être supérieure à 0</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="297"/>
        <source>Width must be more than 0</source>
        <translation>La largeur doit être supérieure à 0</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="297"/>
        <source>Height must be more than 0</source>
        <translation>La hauteur doit être supérieure à 0</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="304"/>
        <source>Choose a pole style</source>
        <translation>Choisissez une forme de poteaux</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="306"/>
        <source>Pole height must be more than 0</source>
        <translation>La hauteur des poteaux doit être supérieure à 0</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="308"/>
        <source>Pole diameter must be more than 0</source>
        <translation>Le diamètre des poteaux doit être supérieur à 0</translation>
    </message>
</context>
<context>
    <name>CPreviewCanvas</name>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="100"/>
        <source>%1 in</source>
        <translation>%1 po</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="100"/>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="362"/>
        <source>Too complex to draw whole: what lies furthest back is left out.</source>
        <translation>Trop complexe pour être dessinée en entier : ce qui se trouve le plus loin est omis.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="393"/>
        <source>Grid %1</source>
        <translation>Grille %1</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="398"/>
        <source>%1 × %2 × %3 in</source>
        <translation>%1 × %2 × %3 po</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="398"/>
        <source>%1 × %2 × %3 mm</source>
        <translation>%1 × %2 × %3 mm</translation>
    </message>
</context>
<context>
    <name>CTreeDlg</name>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="27"/>
        <source>Edit tree</source>
        <translation>Modifier l&apos;arbre</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="47"/>
        <source>Additional &amp;free text</source>
        <translation>Texte &amp;libre supplémentaire</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="75"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="83"/>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="85"/>
        <source>Pr&amp;ice</source>
        <translation>Pr&amp;ix</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="86"/>
        <source>&amp;Parts per package</source>
        <translation>&amp;Pièces par paquet</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="87"/>
        <source>&amp;Units</source>
        <translation>Unité&amp;s</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="93"/>
        <source>Tree type</source>
        <translation>Type d&apos;arbre</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="96"/>
        <source>Needle &amp;leaved tree</source>
        <translation>&amp;Conifère</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="97"/>
        <source>D&amp;eciduous tree</source>
        <translation>&amp;Feuillu</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="107"/>
        <source>Trunk</source>
        <translation>Tronc</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="112"/>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="125"/>
        <source>Hei&amp;ght</source>
        <translation>Ha&amp;uteur</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="113"/>
        <source>&amp;Radius</source>
        <translation>&amp;Rayon</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="126"/>
        <source>R&amp;adius</source>
        <translation>Ra&amp;yon</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="114"/>
        <source>Trun&amp;k color</source>
        <translation>Couleur du &amp;tronc</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="84"/>
        <source>Catalogue &amp;no</source>
        <translation>&amp;N° de catalogue</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="120"/>
        <source>Top</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="127"/>
        <source>&amp;Top color</source>
        <translation>Coul&amp;eur de la couronne</translation>
    </message>
</context>
<context>
    <name>CUnitsComboBox</name>
    <message>
        <location filename="../../ui/UnitsComboBox.cpp" line="17"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <location filename="../../ui/UnitsComboBox.cpp" line="18"/>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
</context>
<context>
    <name>CompileCommand</name>
    <message>
        <location filename="../../ui/CompileCommand.cpp" line="34"/>
        <source>The desktop opens %1 files as fonts. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Le bureau ouvre les fichiers %1 comme des polices. Choisissez le programme qui compile les fichiers de pièces sous Options, Options générales.</translation>
    </message>
    <message>
        <location filename="../../ui/CompileCommand.cpp" line="45"/>
        <source>The compile command &quot;%1&quot; names no program.</source>
        <translation>La commande de compilation « %1 » ne nomme aucun programme.</translation>
    </message>
</context>
</TS>
