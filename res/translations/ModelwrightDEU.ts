<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="27"/>
        <source>Modelwright Version 2.0</source>
        <translation>Modelwright Version 2.0</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="28"/>
        <source>The Modelwright developers</source>
        <translation>Die Modelwright-Entwickler</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="29"/>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="30"/>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="32"/>
        <source>About Modelwright</source>
        <translation>Über Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="69"/>
        <source>Modelwright</source>
        <translation>Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="69"/>
        <source>version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>CBuildingDlg</name>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="26"/>
        <source>Building edit dialog</source>
        <translation>Gebäude bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="73"/>
        <source>Header information</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="87"/>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="89"/>
        <source>P&amp;rice</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="91"/>
        <source>&amp;Parts per package</source>
        <translation>&amp;Teile pro Packung</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="90"/>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="88"/>
        <source>C&amp;atalogue no</source>
        <translation>&amp;Katalognummer</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="98"/>
        <source>&amp;Building elements</source>
        <translation>&amp;Gebäudeteile</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="100"/>
        <source>&amp;New ...</source>
        <translation>&amp;Neu ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="101"/>
        <source>&amp;Edit ...</source>
        <translation>Bea&amp;rbeiten ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="102"/>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="29"/>
        <source>&amp;Free text after last element</source>
        <translation>&amp;Freier Text nach dem letzten Teil</translation>
    </message>
</context>
<context>
    <name>CBuildingElementDlg</name>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="37"/>
        <source>Ridge roof</source>
        <translation>Satteldach</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="38"/>
        <source>Roof with sloping sides and a flat top</source>
        <translation>Walmdach mit flacher Oberseite</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="39"/>
        <source>Single-slope roof</source>
        <translation>Pultdach</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="67"/>
        <source>Building element</source>
        <translation>Gebäudeteil</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="71"/>
        <source>&amp;Description</source>
        <translation>Be&amp;schreibung</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="164"/>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="170"/>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="184"/>
        <source>He&amp;ight</source>
        <translation>Höh&amp;e</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="171"/>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
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
        <translation>&amp;Tiefe</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="173"/>
        <source>&amp;Block color</source>
        <translation>Blo&amp;ckfarbe</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="179"/>
        <source>Roof</source>
        <translation>Dach</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="185"/>
        <source>&amp;Angle</source>
        <translation>&amp;Winkel</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="186"/>
        <source>&amp;Roof color</source>
        <translation>&amp;Dachfarbe</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="188"/>
        <source>Roof type</source>
        <translation>Dachform</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="199"/>
        <source>No roo&amp;f</source>
        <translation>&amp;Kein Dach</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="201"/>
        <source>Roof orientation</source>
        <translation>Dachausrichtung</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="217"/>
        <source>Element position</source>
        <translation>Position des Teils</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="218"/>
        <source>Lower left corner of block:</source>
        <translation>Linke untere Ecke des Blocks:</translation>
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
        <translation>Türen &amp;und Fenster</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="236"/>
        <source>&amp;New ...</source>
        <translation>&amp;Neu ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="237"/>
        <source>&amp;Edit  ...</source>
        <translation>Bea&amp;rbeiten ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="238"/>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="324"/>
        <source>Choose a roof type</source>
        <translation>Dachform wählen</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="326"/>
        <source>Choose a roof orientation</source>
        <translation>Dachausrichtung wählen</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="327"/>
        <source>Block height must not be 0</source>
        <translation>Die Blockhöhe darf nicht 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="328"/>
        <source>Block width must not be 0</source>
        <translation>Die Blockbreite darf nicht 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="328"/>
        <source>Block depth must not be 0</source>
        <translation>Die Blocktiefe darf nicht 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="74"/>
        <source>Free additional &amp;text</source>
        <translation>&amp;Freier zusätzlicher Text</translation>
    </message>
</context>
<context>
    <name>CColorButton</name>
    <message>
        <location filename="../../ui/ColorButton.cpp" line="16"/>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../../ui/ColorButton.cpp" line="17"/>
        <source>More Colors...</source>
        <translation>Weitere Farben...</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="8"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="9"/>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="10"/>
        <source>Dark Olive Green</source>
        <translation>Dunkles Olivgrün</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="11"/>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="12"/>
        <source>Dark Teal</source>
        <translation>Dunkles Blaugrün</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="13"/>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="14"/>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="15"/>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="16"/>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="17"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="18"/>
        <source>Dark yellow</source>
        <translation>Dunkelgelb</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="19"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="20"/>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="21"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="22"/>
        <source>Blue-grey</source>
        <translation>Blaugrau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="23"/>
        <source>Grey - 40</source>
        <translation>Grau - 40</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="24"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="25"/>
        <source>Light orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="26"/>
        <source>Lime</source>
        <translation>Limone</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="27"/>
        <source>Sea green</source>
        <translation>Meergrün</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="28"/>
        <source>Aqua</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="29"/>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="30"/>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="31"/>
        <source>Grey - 50</source>
        <translation>Grau - 50</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="32"/>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="33"/>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="34"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="35"/>
        <source>Bright green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="36"/>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="37"/>
        <source>Skyblue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="38"/>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="39"/>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="40"/>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="41"/>
        <source>Tan</source>
        <translation>Hellbraun</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="42"/>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="43"/>
        <source>Pale green</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="44"/>
        <source>Pale turquoise</source>
        <translation>Blasstürkis</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="45"/>
        <source>Pale blue</source>
        <translation>Blassblau</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="46"/>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="47"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>CDecorationDlg</name>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="44"/>
        <source>&amp;1 window</source>
        <translation>&amp;1 Fenster</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="45"/>
        <source>&amp;2 windows</source>
        <translation>&amp;2 Fenster</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="46"/>
        <source>&amp;4 windows</source>
        <translation>&amp;4 Fenster</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="47"/>
        <source>&amp;6 windows</source>
        <translation>&amp;6 Fenster</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="48"/>
        <source>&amp;8 windows</source>
        <translation>&amp;8 Fenster</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="78"/>
        <source>Decorations edit dialog</source>
        <translation>Türen und Fenster bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="82"/>
        <source>D&amp;escription</source>
        <translation>Bes&amp;chreibung</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="148"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="149"/>
        <source>Position relative to lower left corner of the wall</source>
        <translation>Position relativ zur linken unteren Ecke der Wand</translation>
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
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="166"/>
        <source>Wid&amp;th</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="167"/>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="173"/>
        <source>Which wall?</source>
        <translation>Welche Wand?</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="287"/>
        <source>Choose a wall</source>
        <translation>Wand wählen</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="289"/>
        <source>Choose a main type</source>
        <translation>Grundform wählen</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="291"/>
        <source>Choose a subtype</source>
        <translation>Untertyp wählen</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="293"/>
        <source>Width must not be 0</source>
        <translation>Die Breite darf nicht 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="295"/>
        <source>Height must not be 0</source>
        <translation>Die Höhe darf nicht 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="32"/>
        <source>&amp;Front</source>
        <translation>&amp;Vorne</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="33"/>
        <source>&amp;Rear</source>
        <translation>Hi&amp;nten</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="34"/>
        <source>&amp;Left side</source>
        <translation>&amp;Linke Seite</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="35"/>
        <source>Right &amp;side</source>
        <translation>Rechte &amp;Seite</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="183"/>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="187"/>
        <source>&amp;Main color</source>
        <translation>Ha&amp;uptfarbe</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="188"/>
        <source>&amp;Inner color</source>
        <translation>&amp;Innenfarbe</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="194"/>
        <source>Types</source>
        <translation>Typen</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="196"/>
        <source>Main type</source>
        <translation>Grundform</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="199"/>
        <source>&amp;Base A</source>
        <translation>&amp;Form A</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="201"/>
        <source>B&amp;ase B</source>
        <translation>For&amp;m B</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="204"/>
        <source>Subtype</source>
        <translation>Untertyp</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="38"/>
        <source>&amp;Door</source>
        <translation>&amp;Tür</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="39"/>
        <source>Door with wi&amp;ndow</source>
        <translation>Tü&amp;r mit Fenster</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="40"/>
        <source>&amp;Window</source>
        <translation>F&amp;enster</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="210"/>
        <source>Window count</source>
        <translation>Anzahl Fenster</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="85"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>CGeneralOptions</name>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="31"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="32"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="33"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="35"/>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
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
        <translation>Allgemeine Optionen</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="88"/>
        <source>&amp;Select language</source>
        <translation>Sprache wä&amp;hlen</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="89"/>
        <source>&amp;Winrail version </source>
        <translation>Winrail-&amp;Version </translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="75"/>
        <source>&amp;Use hexahedron instead of Hexaedron (bug fix)</source>
        <translation>Hexahedron statt Hexaedron verwenden (&amp;Fehlerbehebung)</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="94"/>
        <source>&amp;Keep unsaved changes for recovery every</source>
        <translation>Ungespeicherte Änderungen zur &amp;Wiederherstellung sichern alle</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="78"/>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="79"/>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="80"/>
        <source>Keep the previous version as a &amp;backup (.bak) when saving</source>
        <translation>Beim Speichern die vorige Fassung als &amp;Sicherung (.bak) behalten</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="34"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="98"/>
        <source>Co&amp;mpile command</source>
        <translation>&amp;Kompilierbefehl</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="83"/>
        <source>Run by &quot;Export and compile&quot; on the parts file; %f stands for the file. Empty: the desktop&apos;s program for parts files.</source>
        <translation>Wird von „Exportieren und kompilieren“ mit der Teiledatei gestartet; %f steht für die Datei. Leer: das Programm des Desktops für Teiledateien.</translation>
    </message>
</context>
<context>
    <name>CHeaderDlg</name>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="19"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="20"/>
        <source>Street+nr</source>
        <translation>Straße+Nr.</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="21"/>
        <source>ZIP</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="22"/>
        <source>Town</source>
        <translation>Ort</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="23"/>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="24"/>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="25"/>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="26"/>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="38"/>
        <source>Edit header</source>
        <translation>Kopfdaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="69"/>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="70"/>
        <source>&amp;Author</source>
        <translation>A&amp;utor</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="71"/>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="72"/>
        <source>C&amp;urrency</source>
        <translation>&amp;Währung</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="46"/>
        <source>Edit &amp;manufacturer ...</source>
        <translation>&amp;Hersteller bearbeiten ...</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="47"/>
        <source>Edit &amp;representative ...</source>
        <translation>V&amp;ertretung bearbeiten ...</translation>
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
        <translation>Die Hilfedatei wurde nicht gefunden. Bitte installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="145"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="146"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="147"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="144"/>
        <source>Modelwright Help</source>
        <translation>Modelwright-Hilfe</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../../app/MainFrame.cpp" line="330"/>
        <source>CAP</source>
        <comment>Caps Lock is on</comment>
        <translation>UF</translation>
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
        <translation>RF</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="356"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="357"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="357"/>
        <source>Start a new catalogue</source>
        <translation>Einen neuen Katalog beginnen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="358"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="358"/>
        <source>Open a catalogue file</source>
        <translation>Eine Katalogdatei öffnen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="359"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="359"/>
        <source>Save the catalogue</source>
        <translation>Den Katalog speichern</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="360"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="360"/>
        <source>Save the catalogue under a new name</source>
        <translation>Den Katalog unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="363"/>
        <source>&amp;Print...</source>
        <translation>Druc&amp;ken...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="363"/>
        <source>Print the catalogue</source>
        <translation>Den Katalog drucken</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="364"/>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="364"/>
        <source>Show the printed pages</source>
        <translation>Die gedruckten Seiten zeigen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="365"/>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="365"/>
        <source>Choose the printer and the page</source>
        <translation>Drucker und Seite wählen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="366"/>
        <source>Sen&amp;d...</source>
        <translation>Sen&amp;den...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="366"/>
        <source>Send the catalogue file by mail</source>
        <translation>Die Katalogdatei per E-Mail senden</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="367"/>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="367"/>
        <source>Open a recently used catalogue</source>
        <translation>Einen zuletzt benutzten Katalog öffnen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="368"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="368"/>
        <source>Quit the program; asks to save changes</source>
        <translation>Das Programm beenden; fragt nach dem Speichern von Änderungen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="369"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="371"/>
        <source>P&amp;art</source>
        <translation>&amp;Teil</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="372"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="373"/>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="374"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="374"/>
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste zeigen oder verbergen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="375"/>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="375"/>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste zeigen oder verbergen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="376"/>
        <location filename="../../app/MainFrame.cpp" line="377"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="377"/>
        <source>Choose the language, the Winrail version and the hexahedron keyword</source>
        <translation>Sprache, Winrail-Version und Hexaeder-Schlüsselwort wählen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="378"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="379"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="379"/>
        <source>Show the contents of the help</source>
        <translation>Das Inhaltsverzeichnis der Hilfe zeigen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="380"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="380"/>
        <source>Show the help on the active window</source>
        <translation>Die Hilfe zum aktiven Fenster zeigen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="381"/>
        <source>Context help</source>
        <translation>Kontexthilfe</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="381"/>
        <source>Show the help on the next window clicked</source>
        <translation>Die Hilfe zum nächsten angeklickten Fenster zeigen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="382"/>
        <source>&amp;About Modelwright...</source>
        <translation>&amp;Über Modelwright...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="382"/>
        <source>Show the program&apos;s version and copyright</source>
        <translation>Version und Copyright des Programms zeigen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung wieder ausführen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="421"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="427"/>
        <source>Exported one part to %1</source>
        <translation>Ein Teil nach %1 exportiert</translation>
    </message>
    <message numerus="yes">
        <location filename="../../app/MainFrame.cpp" line="428"/>
        <source>Exported %n parts to %1</source>
        <translation>
            <numerusform>%n Teil nach %1 exportiert</numerusform>
            <numerusform>%n Teile nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="431"/>
        <source>The free texts have one fault, listed under the preview.</source>
        <translation>Die freien Texte haben einen Fehler, unter der Vorschau aufgeführt.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../app/MainFrame.cpp" line="432"/>
        <source>The free texts have %n faults, listed under the preview.</source>
        <translation>
            <numerusform>Die freien Texte haben %n Fehler, unter der Vorschau aufgeführt.</numerusform>
            <numerusform>Die freien Texte haben %n Fehler, unter der Vorschau aufgeführt.</numerusform>
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
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="470"/>
        <source>Save the catalogue under another name?</source>
        <translation>Den Katalog unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="571"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="572"/>
        <location filename="../../app/MainFrame.cpp" line="662"/>
        <source>Winrail Object Files (*.wo3)</source>
        <translation>Winrail-Objektdateien (*.wo3)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="572"/>
        <location filename="../../app/MainFrame.cpp" line="662"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="659"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="699"/>
        <source>The catalogue was saved, but its previous version could not be kept as %1.
%2</source>
        <translation>Der Katalog wurde gespeichert, aber seine vorige Fassung konnte nicht als %1 aufbewahrt werden.
%2</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="793"/>
        <source>Open this catalogue</source>
        <translation>Diesen Katalog öffnen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="828"/>
        <source>%1 cannot be printed: the printer &quot;%2&quot; is not available.</source>
        <translation>%1 kann nicht gedruckt werden: Der Drucker „%2“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="830"/>
        <source>%1 cannot be printed: no printer is available.</source>
        <translation>%1 kann nicht gedruckt werden: Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="832"/>
        <source>%1 cannot be printed: no printer is chosen as the default.</source>
        <translation>%1 kann nicht gedruckt werden: Es ist kein Standarddrucker festgelegt.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="878"/>
        <location filename="../../app/MainFrame.cpp" line="889"/>
        <source>Failed to send mail.</source>
        <translation>Die E-Mail konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="408"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="361"/>
        <source>Export 3D &amp;model...</source>
        <translation>3D-&amp;Modell exportieren...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="362"/>
        <source>Write the selected part or all parts as a 3D model for other programs (glTF or OBJ)</source>
        <translation>Das gewählte Teil oder alle Teile als 3D-Modell für andere Programme schreiben (glTF oder OBJ)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="594"/>
        <location filename="../../app/MainFrame.cpp" line="613"/>
        <source>Export 3D model</source>
        <translation>3D-Modell exportieren</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="595"/>
        <source>Export the selected part &quot;%1&quot; or all %2 parts of the catalogue?</source>
        <translation>Das gewählte Teil „%1“ oder alle %2 Teile des Katalogs exportieren?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="600"/>
        <source>&amp;Selected part</source>
        <translation>&amp;Gewähltes Teil</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="601"/>
        <source>&amp;All parts</source>
        <translation>A&amp;lle Teile</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="616"/>
        <source>glTF binary (*.glb)</source>
        <translation>glTF binär (*.glb)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="616"/>
        <source>Wavefront OBJ (*.obj)</source>
        <translation>Wavefront OBJ (*.obj)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="634"/>
        <source>The catalogue has no parts to export.</source>
        <translation>Der Katalog hat keine Teile zum Exportieren.</translation>
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="15"/>
        <source>Edit manufacturer</source>
        <translation>Hersteller bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="23"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="24"/>
        <source>&amp;Street+nr</source>
        <translation>&amp;Straße+Nr.</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="25"/>
        <source>&amp;ZIP code</source>
        <translation>&amp;Postleitzahl</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="26"/>
        <source>&amp;Town</source>
        <translation>O&amp;rt</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="27"/>
        <source>Co&amp;untry</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="28"/>
        <source>&amp;Phone</source>
        <translation>&amp;Telefon</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="29"/>
        <source>&amp;Fax</source>
        <translation>&amp;Fax</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="30"/>
        <source>&amp;Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
</context>
<context>
    <name>CModelwrightApp</name>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="203"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
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
        <translation>Die ungespeicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="234"/>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="235"/>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="236"/>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>CModelwrightView</name>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="319"/>
        <source>Edi&amp;t header ...</source>
        <translation>&amp;Kopfdaten bearbeiten ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="320"/>
        <source>&amp;Delete ...</source>
        <translation>&amp;Löschen ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="321"/>
        <source>&amp;New tree ...</source>
        <translation>&amp;Neuer Baum ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="322"/>
        <source>New &amp;building ...</source>
        <translation>Neues &amp;Gebäude ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="323"/>
        <source>Ed&amp;it ...</source>
        <translation>Bea&amp;rbeiten ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="324"/>
        <source>E&amp;xport ...</source>
        <translation>E&amp;xportieren ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="326"/>
        <source>New &amp;platform ...</source>
        <translation>Ne&amp;uer Bahnsteig ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="643"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="68"/>
        <source>New tree &quot;%1&quot;</source>
        <translation>Neuer Baum „%1“</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="69"/>
        <source>New building &quot;%1&quot;</source>
        <translation>Neues Gebäude „%1“</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="70"/>
        <source>New platform &quot;%1&quot;</source>
        <translation>Neuer Bahnsteig „%1“</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="72"/>
        <source>Edit tree &quot;%1&quot;</source>
        <translation>Baum „%1“ bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="73"/>
        <source>Edit building &quot;%1&quot;</source>
        <translation>Gebäude „%1“ bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="74"/>
        <source>Edit platform &quot;%1&quot;</source>
        <translation>Bahnsteig „%1“ bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="76"/>
        <source>Delete tree &quot;%1&quot;</source>
        <translation>Baum „%1“ löschen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="77"/>
        <source>Delete building &quot;%1&quot;</source>
        <translation>Gebäude „%1“ löschen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="78"/>
        <source>Delete platform &quot;%1&quot;</source>
        <translation>Bahnsteig „%1“ löschen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="325"/>
        <source>Export and &amp;compile ...</source>
        <translation>&amp;Exportieren und kompilieren ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="327"/>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="328"/>
        <source>Add a copy of the selected part under a new name</source>
        <translation>Eine Kopie des gewählten Teils unter einem neuen Namen hinzufügen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="329"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="330"/>
        <source>Move the selected part to the clipboard</source>
        <translation>Das gewählte Teil in die Zwischenablage verschieben</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="331"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="332"/>
        <source>Copy the selected part to the clipboard</source>
        <translation>Das gewählte Teil in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="333"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="334"/>
        <source>Add the part on the clipboard to the catalogue</source>
        <translation>Das Teil aus der Zwischenablage dem Katalog hinzufügen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="491"/>
        <source>Duplicate &quot;%1&quot;</source>
        <translation>Duplizieren „%1“</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="561"/>
        <source>The clipboard holds no part that can be pasted.</source>
        <translation>Die Zwischenablage enthält kein Teil, das eingefügt werden kann.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="568"/>
        <source>Paste &quot;%1&quot;</source>
        <translation>Einfügen „%1“</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="606"/>
        <source>Edit address</source>
        <translation>Adresse bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="611"/>
        <source>Edit header</source>
        <translation>Kopfdaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="761"/>
        <source>Export parts file</source>
        <translation>Teiledatei exportieren</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="764"/>
        <source>Winrail parts files (*.bdf)</source>
        <translation>Winrail-Teiledateien (*.bdf)</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="820"/>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="821"/>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="822"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="823"/>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="824"/>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="825"/>
        <source>Representative</source>
        <translation>Vertretung</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Catalogue number</source>
        <translation>Katalognummer</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Parts per package</source>
        <translation>Teile pro Packung</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="802"/>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="335"/>
        <source>Filter by name or catalogue number (%1)</source>
        <translation>Nach Name oder Katalognummer filtern (%1)</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="685"/>
        <location filename="../../ui/ModelwrightView.cpp" line="721"/>
        <source>Opened %1 with the desktop&apos;s program for parts files.</source>
        <translation>%1 mit dem Programm des Desktops für Teiledateien geöffnet.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="736"/>
        <source>No program on this desktop opens %1. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Kein Programm dieses Desktops öffnet %1. Wählen Sie unter Optionen, Allgemeine Optionen das Programm, das Teiledateien kompiliert.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="701"/>
        <source>Started %1 on %2.</source>
        <translation>%1 für %2 gestartet.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="711"/>
        <source>Could not start %1: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="726"/>
        <source>crashed</source>
        <translation>abgestürzt</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="726"/>
        <source>exit %1</source>
        <translation>Exit-Status %1</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="728"/>
        <source>%1 on %2 finished (%3).</source>
        <translation>%1 auf %2 beendet (%3).</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="730"/>
        <source>%1 on %2 failed (%3).</source>
        <translation>%1 auf %2 fehlgeschlagen (%3).</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="731"/>
        <source>%1 ended (%2). Its last lines:</source>
        <translation>%1 endete (%2). Die letzten Zeilen:</translation>
    </message>
</context>
<context>
    <name>COptionsPropertySheet</name>
    <message>
        <location filename="../../ui/OptionsPropertySheet.cpp" line="14"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>CPartPreview</name>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="110"/>
        <source>Unknown keyword &quot;%1&quot;.</source>
        <translation>Unbekanntes Schlüsselwort „%1“.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="112"/>
        <source>Numbers are missing on this line.</source>
        <translation>In dieser Zeile fehlen Zahlen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="114"/>
        <source>Text after the last number is ignored.</source>
        <translation>Text nach der letzten Zahl wird übergangen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="116"/>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>„%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="118"/>
        <source>The number %1 is too large.</source>
        <translation>Die Zahl %1 ist zu groß.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="120"/>
        <source>&quot;%1&quot; is not a colour ($ and six hexadecimal digits).</source>
        <translation>„%1“ ist keine Farbe ($ und sechs Hexadezimalziffern).</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="122"/>
        <source>The 3D group has no End3D line.</source>
        <translation>Der 3D-Gruppe fehlt die Zeile End3D.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="124"/>
        <source>The group&apos;s points do not make whole shapes.</source>
        <translation>Die Punkte der Gruppe ergeben keine ganzen Formen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="128"/>
        <source>The solid has no Center line and is not drawn.</source>
        <translation>Dem Körper fehlt die Center-Zeile; er wird nicht gezeichnet.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="130"/>
        <source>This line does not belong here.</source>
        <translation>Diese Zeile gehört nicht hierher.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="132"/>
        <source>The part&apos;s line needs its number and name in double quotes.</source>
        <translation>Die Zeile des Teils braucht Nummer und Namen in doppelten Anführungszeichen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="134"/>
        <source>The part has no End line.</source>
        <translation>Dem Teil fehlt die End-Zeile.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="136"/>
        <source>Text stands outside a part.</source>
        <translation>Text steht außerhalb eines Teils.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="138"/>
        <source>The header has no End line.</source>
        <translation>Dem Kopf fehlt die End-Zeile.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="628"/>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="629"/>
        <source>Three-dimensional view; drag to turn it (3)</source>
        <translation>Räumliche Ansicht; zum Drehen ziehen (3)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="630"/>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="631"/>
        <source>The part as the track plan shows it (P)</source>
        <translation>Das Teil, wie der Gleisplan es zeigt (P)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="632"/>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="633"/>
        <source>Seen from the front (F)</source>
        <translation>Von vorne gesehen (F)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="634"/>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="635"/>
        <source>Seen from the right side (S)</source>
        <translation>Von rechts gesehen (S)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="636"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="637"/>
        <source>Seen from above (T)</source>
        <translation>Von oben gesehen (T)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="638"/>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="639"/>
        <source>Show the whole part (Home, or double-click the picture)</source>
        <translation>Das ganze Teil zeigen (Pos1 oder Doppelklick auf das Bild)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="800"/>
        <source>This part is too large to show.</source>
        <translation>Dieses Teil ist zu groß, um es zu zeigen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="645"/>
        <location filename="../../ui/PartPreview.cpp" line="806"/>
        <source>Select a part to see it here.</source>
        <translation>Wählen Sie ein Teil, um es hier zu sehen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="677"/>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="700"/>
        <location filename="../../ui/PartPreview.cpp" line="830"/>
        <source>Free text, line %1: %2</source>
        <translation>Freier Text, Zeile %1: %2</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="642"/>
        <source>Faults in the free texts, found by the last export:</source>
        <translation>Fehler in den freien Texten, beim letzten Export gefunden:</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="643"/>
        <source>Click a fault to select its part</source>
        <translation>Klicken Sie auf einen Fehler, um sein Teil zu wählen</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="701"/>
        <source>Element %1, line %2: %3</source>
        <translation>Element %1, Zeile %2: %3</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="845"/>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="846"/>
        <source>%1, element %2, line %3: %4</source>
        <translation>%1, Element %2, Zeile %3: %4</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="126"/>
        <source>The group&apos;s first point has no colour.</source>
        <translation>Der erste Punkt der Gruppe hat keine Farbe.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="140"/>
        <source>The text is too large to be read whole; reading stopped here.</source>
        <translation>Der Text ist zu groß, um ganz gelesen zu werden; das Lesen endet hier.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="640"/>
        <source>Same scale for all parts</source>
        <translation>Gleicher Maßstab für alle Teile</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="641"/>
        <source>Show every part at the scale of this one, so that their sizes compare</source>
        <translation>Jedes Teil im Maßstab dieses Teils zeigen, damit sich die Größen vergleichen lassen</translation>
    </message>
</context>
<context>
    <name>CPartsTableModel</name>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="128"/>
        <source>Tree</source>
        <translation>Baum</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="130"/>
        <source>Building</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="132"/>
        <source>Platform</source>
        <translation>Bahnsteig</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="189"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="191"/>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="193"/>
        <source>Catalogue no</source>
        <translation>Katalognr.</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="195"/>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
</context>
<context>
    <name>CPlatformDlg</name>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="44"/>
        <source>Platform edit dialog</source>
        <translation>Bahnsteig bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="65"/>
        <source>Additional free te&amp;xt</source>
        <translation>&amp;Weiterer freier Text</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="103"/>
        <source>Header information</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="110"/>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="111"/>
        <source>C&amp;atalogue no</source>
        <translation>Katalo&amp;gnummer</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="112"/>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="113"/>
        <source>Pr&amp;ice</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="114"/>
        <source>Parts per pac&amp;kage</source>
        <translation>&amp;Teile pro Packung</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="120"/>
        <source>Floor part</source>
        <translation>Boden</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="127"/>
        <source>&amp;Length</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="128"/>
        <source>&amp;Width</source>
        <translation>Bre&amp;ite</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="129"/>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="130"/>
        <source>&amp;Top color</source>
        <translation>&amp;Farbe der Oberseite</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="131"/>
        <source>&amp;Side color</source>
        <translation>&amp;Seitenfarbe</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="143"/>
        <source>Pitched roof on poles along both edges</source>
        <translation>Satteldach auf Stützen an beiden Kanten</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="144"/>
        <source>V-shaped roof on one middle row of poles</source>
        <translation>V-Dach auf einer mittleren Stützenreihe</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="145"/>
        <source>Arched roof on poles along both edges</source>
        <translation>Bogendach auf Stützen an beiden Kanten</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="146"/>
        <source>Single-pitch roof on poles along both edges</source>
        <translation>Pultdach auf Stützen an beiden Kanten</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="149"/>
        <source>Cover type</source>
        <translation>Überdachung</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="152"/>
        <source>No co&amp;ver</source>
        <translation>&amp;Keine Überdachung</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="177"/>
        <source>Cover properties</source>
        <translation>Eigenschaften der Überdachung</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="184"/>
        <source>Pole hei&amp;ght</source>
        <translation>Stüt&amp;zenhöhe</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="185"/>
        <source>&amp;Roof height</source>
        <translation>&amp;Dachhöhe</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="186"/>
        <source>&amp;Edge distance</source>
        <translation>&amp;Randabstand</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="187"/>
        <source>Num&amp;ber of poles (one side)</source>
        <translation>Anzahl der Stützen &amp;je Seite</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="188"/>
        <source>Roo&amp;f color</source>
        <translation>Da&amp;chfarbe</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="194"/>
        <source>Pole style</source>
        <translation>Stützenform</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="197"/>
        <source>Rou&amp;nd pole</source>
        <translation>R&amp;unde Stütze</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="198"/>
        <source>S&amp;quare pole</source>
        <translation>&amp;Vierkantige Stütze</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="208"/>
        <source>&amp;Pole color</source>
        <translation>Stütze&amp;nfarbe</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="209"/>
        <source>Pole dia&amp;meter</source>
        <translation>Stützendurch&amp;messer</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="295"/>
        <source>Choose a cover type</source>
        <translation>Überdachung wählen</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="296"/>
        <source>Length must be more than 0</source>
        <translation>Die Länge muss größer als 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="297"/>
        <source>Width must be more than 0</source>
        <translation>Die Breite muss größer als 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="297"/>
        <source>Height must be more than 0</source>
        <translation>Die Höhe muss größer als 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="304"/>
        <source>Choose a pole style</source>
        <translation>Stützenform wählen</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="306"/>
        <source>Pole height must be more than 0</source>
        <translation>Die Stützenhöhe muss größer als 0 sein</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="308"/>
        <source>Pole diameter must be more than 0</source>
        <translation>Der Stützendurchmesser muss größer als 0 sein</translation>
    </message>
</context>
<context>
    <name>CPreviewCanvas</name>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="100"/>
        <source>%1 in</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="100"/>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="362"/>
        <source>Too complex to draw whole: what lies furthest back is left out.</source>
        <translation>Zu aufwendig, um es ganz zu zeichnen: Was am weitesten hinten liegt, fehlt.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="393"/>
        <source>Grid %1</source>
        <translation>Raster %1</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="398"/>
        <source>%1 × %2 × %3 in</source>
        <translation>%1 × %2 × %3 Zoll</translation>
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
        <translation>Baum bearbeiten</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="47"/>
        <source>Additional &amp;free text</source>
        <translation>&amp;Zusätzlicher freier Text</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="75"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="83"/>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="85"/>
        <source>Pr&amp;ice</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="86"/>
        <source>&amp;Parts per package</source>
        <translation>&amp;Teile pro Packung</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="87"/>
        <source>&amp;Units</source>
        <translation>E&amp;inheiten</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="93"/>
        <source>Tree type</source>
        <translation>Baumart</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="96"/>
        <source>Needle &amp;leaved tree</source>
        <translation>&amp;Nadelbaum</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="97"/>
        <source>D&amp;eciduous tree</source>
        <translation>&amp;Laubbaum</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="107"/>
        <source>Trunk</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="112"/>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="125"/>
        <source>Hei&amp;ght</source>
        <translation>Höh&amp;e</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="113"/>
        <source>&amp;Radius</source>
        <translation>&amp;Radius</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="126"/>
        <source>R&amp;adius</source>
        <translation>Ra&amp;dius</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="114"/>
        <source>Trun&amp;k color</source>
        <translation>&amp;Stammfarbe</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="84"/>
        <source>Catalogue &amp;no</source>
        <translation>&amp;Katalognummer</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="120"/>
        <source>Top</source>
        <translation>Krone</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="127"/>
        <source>&amp;Top color</source>
        <translation>Kronen&amp;farbe</translation>
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
        <translation>Zoll</translation>
    </message>
</context>
<context>
    <name>CompileCommand</name>
    <message>
        <location filename="../../ui/CompileCommand.cpp" line="34"/>
        <source>The desktop opens %1 files as fonts. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Der Desktop öffnet %1-Dateien als Schriften. Wählen Sie unter Optionen, Allgemeine Optionen das Programm, das Teiledateien kompiliert.</translation>
    </message>
    <message>
        <location filename="../../ui/CompileCommand.cpp" line="45"/>
        <source>The compile command &quot;%1&quot; names no program.</source>
        <translation>Der Kompilierbefehl „%1“ nennt kein Programm.</translation>
    </message>
</context>
</TS>
