<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="27"/>
        <source>Modelwright Version 2.0</source>
        <translation>Modelwright versie 2.0</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="28"/>
        <source>The Modelwright developers</source>
        <translation>De ontwikkelaars van Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="29"/>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="30"/>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="32"/>
        <source>About Modelwright</source>
        <translation>Over Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="69"/>
        <source>Modelwright</source>
        <translation>Modelwright</translation>
    </message>
    <message>
        <location filename="../../app/AboutDlg.cpp" line="69"/>
        <source>version</source>
        <translation>versie</translation>
    </message>
</context>
<context>
    <name>CBuildingDlg</name>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="26"/>
        <source>Building edit dialog</source>
        <translation>Gebouw bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="73"/>
        <source>Header information</source>
        <translation>Kopgegevens</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="87"/>
        <source>&amp;Description</source>
        <translation>O&amp;mschrijving</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="89"/>
        <source>P&amp;rice</source>
        <translation>&amp;Prijs</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="91"/>
        <source>&amp;Parts per package</source>
        <translation>On&amp;derdelen per verpakking</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="90"/>
        <source>&amp;Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="88"/>
        <source>C&amp;atalogue no</source>
        <translation>&amp;Catalogusnr.</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="98"/>
        <source>&amp;Building elements</source>
        <translation>&amp;Gebouwdelen</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="100"/>
        <source>&amp;New ...</source>
        <translation>&amp;Nieuw ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="101"/>
        <source>&amp;Edit ...</source>
        <translation>&amp;Bewerken ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="102"/>
        <source>De&amp;lete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingDlg.cpp" line="29"/>
        <source>&amp;Free text after last element</source>
        <translation>Vrije &amp;tekst na het laatste deel</translation>
    </message>
</context>
<context>
    <name>CBuildingElementDlg</name>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="37"/>
        <source>Ridge roof</source>
        <translation>Zadeldak</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="38"/>
        <source>Roof with sloping sides and a flat top</source>
        <translation>Dak met schuine zijden en een plat bovenvlak</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="39"/>
        <source>Single-slope roof</source>
        <translation>Lessenaarsdak</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="67"/>
        <source>Building element</source>
        <translation>Gebouwdeel</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="71"/>
        <source>&amp;Description</source>
        <translation>O&amp;mschrijving</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="164"/>
        <source>Block</source>
        <translation>Blok</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="170"/>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="184"/>
        <source>He&amp;ight</source>
        <translation>Hoog&amp;te</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="171"/>
        <source>&amp;Width</source>
        <translation>&amp;Breedte</translation>
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
        <translation>D&amp;iepte</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="173"/>
        <source>&amp;Block color</source>
        <translation>B&amp;lokkleur</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="179"/>
        <source>Roof</source>
        <translation>Dak</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="185"/>
        <source>&amp;Angle</source>
        <translation>Ho&amp;ek</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="186"/>
        <source>&amp;Roof color</source>
        <translation>&amp;Dakkleur</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="188"/>
        <source>Roof type</source>
        <translation>Daktype</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="199"/>
        <source>No roo&amp;f</source>
        <translation>&amp;Geen dak</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="201"/>
        <source>Roof orientation</source>
        <translation>Dakrichting</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="217"/>
        <source>Element position</source>
        <translation>Positie van het deel</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="218"/>
        <source>Lower left corner of block:</source>
        <translation>Linkeronderhoek van het blok:</translation>
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
        <translation>Deuren en &amp;ramen</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="236"/>
        <source>&amp;New ...</source>
        <translation>&amp;Nieuw ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="237"/>
        <source>&amp;Edit  ...</source>
        <translation>Be&amp;werken ...</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="238"/>
        <source>De&amp;lete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="324"/>
        <source>Choose a roof type</source>
        <translation>Kies een daktype</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="326"/>
        <source>Choose a roof orientation</source>
        <translation>Kies een dakrichting</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="327"/>
        <source>Block height must not be 0</source>
        <translation>De blokhoogte mag niet 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="328"/>
        <source>Block width must not be 0</source>
        <translation>De blokbreedte mag niet 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="328"/>
        <source>Block depth must not be 0</source>
        <translation>De blokdiepte mag niet 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/BuildingElementDlg.cpp" line="74"/>
        <source>Free additional &amp;text</source>
        <translation>Vri&amp;je aanvullende tekst</translation>
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
        <translation>Meer kleuren...</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="8"/>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="9"/>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="10"/>
        <source>Dark Olive Green</source>
        <translation>Donker olijfgroen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="11"/>
        <source>Dark Green</source>
        <translation>Donkergroen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="12"/>
        <source>Dark Teal</source>
        <translation>Donker blauwgroen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="13"/>
        <source>Dark blue</source>
        <translation>Donkerblauw</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="14"/>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="15"/>
        <source>Dark grey</source>
        <translation>Donkergrijs</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="16"/>
        <source>Dark red</source>
        <translation>Donkerrood</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="17"/>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="18"/>
        <source>Dark yellow</source>
        <translation>Donkergeel</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="19"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="20"/>
        <source>Teal</source>
        <translation>Blauwgroen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="21"/>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="22"/>
        <source>Blue-grey</source>
        <translation>Blauwgrijs</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="23"/>
        <source>Grey - 40</source>
        <translation>Grijs - 40</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="24"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="25"/>
        <source>Light orange</source>
        <translation>Lichtoranje</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="26"/>
        <source>Lime</source>
        <translation>Limoen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="27"/>
        <source>Sea green</source>
        <translation>Zeegroen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="28"/>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="29"/>
        <source>Light blue</source>
        <translation>Lichtblauw</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="30"/>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="31"/>
        <source>Grey - 50</source>
        <translation>Grijs - 50</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="32"/>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="33"/>
        <source>Gold</source>
        <translation>Goud</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="34"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="35"/>
        <source>Bright green</source>
        <translation>Heldergroen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="36"/>
        <source>Turquoise</source>
        <translation>Turkoois</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="37"/>
        <source>Skyblue</source>
        <translation>Hemelsblauw</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="38"/>
        <source>Plum</source>
        <translation>Pruim</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="39"/>
        <source>Light grey</source>
        <translation>Lichtgrijs</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="40"/>
        <source>Rose</source>
        <translation>Rozerood</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="41"/>
        <source>Tan</source>
        <translation>Lichtbruin</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="42"/>
        <source>Light yellow</source>
        <translation>Lichtgeel</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="43"/>
        <source>Pale green</source>
        <translation>Bleekgroen</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="44"/>
        <source>Pale turquoise</source>
        <translation>Bleekturkoois</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="45"/>
        <source>Pale blue</source>
        <translation>Bleekblauw</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="46"/>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <location filename="../../ui/ColorTable.cpp" line="47"/>
        <source>White</source>
        <translation>Wit</translation>
    </message>
</context>
<context>
    <name>CDecorationDlg</name>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="44"/>
        <source>&amp;1 window</source>
        <translation>&amp;1 ruit</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="45"/>
        <source>&amp;2 windows</source>
        <translation>&amp;2 ruiten</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="46"/>
        <source>&amp;4 windows</source>
        <translation>&amp;4 ruiten</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="47"/>
        <source>&amp;6 windows</source>
        <translation>&amp;6 ruiten</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="48"/>
        <source>&amp;8 windows</source>
        <translation>&amp;8 ruiten</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="78"/>
        <source>Decorations edit dialog</source>
        <translation>Deuren en ramen bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="82"/>
        <source>D&amp;escription</source>
        <translation>O&amp;mschrijving</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="148"/>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="149"/>
        <source>Position relative to lower left corner of the wall</source>
        <translation>Positie ten opzichte van de linkeronderhoek van de wand</translation>
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
        <translation>Grootte</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="166"/>
        <source>Wid&amp;th</source>
        <translation>&amp;Breedte</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="167"/>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="173"/>
        <source>Which wall?</source>
        <translation>Welke wand?</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="287"/>
        <source>Choose a wall</source>
        <translation>Kies een wand</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="289"/>
        <source>Choose a main type</source>
        <translation>Kies een hoofdtype</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="291"/>
        <source>Choose a subtype</source>
        <translation>Kies een subtype</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="293"/>
        <source>Width must not be 0</source>
        <translation>De breedte mag niet 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="295"/>
        <source>Height must not be 0</source>
        <translation>De hoogte mag niet 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="32"/>
        <source>&amp;Front</source>
        <translation>&amp;Voorkant</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="33"/>
        <source>&amp;Rear</source>
        <translation>A&amp;chterkant</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="34"/>
        <source>&amp;Left side</source>
        <translation>&amp;Linkerzijde</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="35"/>
        <source>Right &amp;side</source>
        <translation>R&amp;echterzijde</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="183"/>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="187"/>
        <source>&amp;Main color</source>
        <translation>Hoo&amp;fdkleur</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="188"/>
        <source>&amp;Inner color</source>
        <translation>Bi&amp;nnenkleur</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="194"/>
        <source>Types</source>
        <translation>Typen</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="196"/>
        <source>Main type</source>
        <translation>Hoofdtype</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="199"/>
        <source>&amp;Base A</source>
        <translation>Ba&amp;sis A</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="201"/>
        <source>B&amp;ase B</source>
        <translation>Bas&amp;is B</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="204"/>
        <source>Subtype</source>
        <translation>Subtype</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="38"/>
        <source>&amp;Door</source>
        <translation>De&amp;ur</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="39"/>
        <source>Door with wi&amp;ndow</source>
        <translation>&amp;Deur met raam</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="40"/>
        <source>&amp;Window</source>
        <translation>&amp;Raam</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="210"/>
        <source>Window count</source>
        <translation>Aantal ruiten</translation>
    </message>
    <message>
        <location filename="../../ui/DecorationDlg.cpp" line="85"/>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
</context>
<context>
    <name>CGeneralOptions</name>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="31"/>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="32"/>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="33"/>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="35"/>
        <source>Dutch</source>
        <translation>Nederlands</translation>
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
        <translation>Algemene opties</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="88"/>
        <source>&amp;Select language</source>
        <translation>&amp;Taal kiezen</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="89"/>
        <source>&amp;Winrail version </source>
        <translation>&amp;Winrail-versie </translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="75"/>
        <source>&amp;Use hexahedron instead of Hexaedron (bug fix)</source>
        <translation>&amp;Hexahedron gebruiken in plaats van Hexaedron (correctie)</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="94"/>
        <source>&amp;Keep unsaved changes for recovery every</source>
        <translation>Niet-opgeslagen wijzigingen &amp;bewaren voor herstel elke</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="78"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="79"/>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="80"/>
        <source>Keep the previous version as a &amp;backup (.bak) when saving</source>
        <translation>Bij opslaan de vorige versie als &amp;reservekopie (.bak) bewaren</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="34"/>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="98"/>
        <source>Co&amp;mpile command</source>
        <translation>&amp;Compileeropdracht</translation>
    </message>
    <message>
        <location filename="../../ui/GeneralOptions.cpp" line="83"/>
        <source>Run by &quot;Export and compile&quot; on the parts file; %f stands for the file. Empty: the desktop&apos;s program for parts files.</source>
        <translation>Wordt door &quot;Exporteren en compileren&quot; op het onderdelenbestand gestart; %f staat voor het bestand. Leeg: het programma van het bureaublad voor onderdelenbestanden.</translation>
    </message>
</context>
<context>
    <name>CHeaderDlg</name>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="19"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="20"/>
        <source>Street+nr</source>
        <translation>Straat+nr</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="21"/>
        <source>ZIP</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="22"/>
        <source>Town</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="23"/>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="24"/>
        <source>Phone</source>
        <translation>Telefoon</translation>
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
        <translation>Kop bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="69"/>
        <source>&amp;Description</source>
        <translation>Om&amp;schrijving</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="70"/>
        <source>&amp;Author</source>
        <translation>A&amp;uteur</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="71"/>
        <source>&amp;Version</source>
        <translation>&amp;Versie</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="72"/>
        <source>C&amp;urrency</source>
        <translation>&amp;Munteenheid</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="46"/>
        <source>Edit &amp;manufacturer ...</source>
        <translation>&amp;Fabrikant bewerken ...</translation>
    </message>
    <message>
        <location filename="../../ui/HeaderDlg.cpp" line="47"/>
        <source>Edit &amp;representative ...</source>
        <translation>Vertegenwoordiger &amp;bewerken ...</translation>
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
        <translation>Het helpbestand is niet gevonden. Installeer het programma opnieuw.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="145"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="146"/>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="147"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <location filename="../../app/HelpWindow.cpp" line="144"/>
        <source>Modelwright Help</source>
        <translation>Modelwright Help</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../../app/MainFrame.cpp" line="330"/>
        <source>CAP</source>
        <comment>Caps Lock is on</comment>
        <translation>CAP</translation>
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
        <translation>SCRL</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="356"/>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="357"/>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="357"/>
        <source>Start a new catalogue</source>
        <translation>Een nieuwe catalogus beginnen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="358"/>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="358"/>
        <source>Open a catalogue file</source>
        <translation>Een catalogusbestand openen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="359"/>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="359"/>
        <source>Save the catalogue</source>
        <translation>De catalogus opslaan</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="360"/>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="360"/>
        <source>Save the catalogue under a new name</source>
        <translation>De catalogus onder een nieuwe naam opslaan</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="363"/>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="363"/>
        <source>Print the catalogue</source>
        <translation>De catalogus afdrukken</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="364"/>
        <source>Print Pre&amp;view</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="364"/>
        <source>Show the printed pages</source>
        <translation>De afgedrukte pagina&apos;s tonen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="365"/>
        <source>P&amp;rint Setup...</source>
        <translation>Afdruk&amp;instellingen...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="365"/>
        <source>Choose the printer and the page</source>
        <translation>Printer en pagina kiezen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="366"/>
        <source>Sen&amp;d...</source>
        <translation>Ver&amp;zenden...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="366"/>
        <source>Send the catalogue file by mail</source>
        <translation>Het catalogusbestand per e-mail verzenden</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="367"/>
        <source>Recent File</source>
        <translation>Recent bestand</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="367"/>
        <source>Open a recently used catalogue</source>
        <translation>Een recent gebruikte catalogus openen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="368"/>
        <source>E&amp;xit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="368"/>
        <source>Quit the program; asks to save changes</source>
        <translation>Het programma afsluiten; vraagt om wijzigingen op te slaan</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="369"/>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="371"/>
        <source>P&amp;art</source>
        <translation>Onderdee&amp;l</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="372"/>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="373"/>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="374"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="374"/>
        <source>Show or hide the toolbar</source>
        <translation>De werkbalk tonen of verbergen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="375"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="375"/>
        <source>Show or hide the status bar</source>
        <translation>De statusbalk tonen of verbergen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="376"/>
        <location filename="../../app/MainFrame.cpp" line="377"/>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="377"/>
        <source>Choose the language, the Winrail version and the hexahedron keyword</source>
        <translation>Taal, Winrail-versie en hexaëder-sleutelwoord kiezen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="378"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="379"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Helponderwerpen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="379"/>
        <source>Show the contents of the help</source>
        <translation>De inhoud van de help tonen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="380"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="380"/>
        <source>Show the help on the active window</source>
        <translation>De help bij het actieve venster tonen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="381"/>
        <source>Context help</source>
        <translation>Contexthulp</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="381"/>
        <source>Show the help on the next window clicked</source>
        <translation>De help bij het volgende aangeklikte venster tonen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="382"/>
        <source>&amp;About Modelwright...</source>
        <translation>&amp;Over Modelwright...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="382"/>
        <source>Show the program&apos;s version and copyright</source>
        <translation>Versie en copyright van het programma tonen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="401"/>
        <source>Take back the last change</source>
        <translation>De laatste wijziging ongedaan maken</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>&amp;Redo</source>
        <translation>O&amp;pnieuw</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>&amp;Redo %1</source>
        <translation>O&amp;pnieuw: %1</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="402"/>
        <source>Make the change taken back again</source>
        <translation>De ongedaan gemaakte wijziging opnieuw uitvoeren</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="421"/>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="427"/>
        <source>Exported one part to %1</source>
        <translation>Eén onderdeel geëxporteerd naar %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../../app/MainFrame.cpp" line="428"/>
        <source>Exported %n parts to %1</source>
        <translation>
            <numerusform>%n onderdeel geëxporteerd naar %1</numerusform>
            <numerusform>%n onderdelen geëxporteerd naar %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="431"/>
        <source>The free texts have one fault, listed under the preview.</source>
        <translation>De vrije teksten hebben één fout, vermeld onder de voorvertoning.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../app/MainFrame.cpp" line="432"/>
        <source>The free texts have %n faults, listed under the preview.</source>
        <translation>
            <numerusform>De vrije teksten hebben %n fout, vermeld onder de voorvertoning.</numerusform>
            <numerusform>De vrije teksten hebben %n fouten, vermeld onder de voorvertoning.</numerusform>
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
        <translation>Wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="470"/>
        <source>Save the catalogue under another name?</source>
        <translation>De catalogus onder een andere naam opslaan?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="571"/>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="572"/>
        <location filename="../../app/MainFrame.cpp" line="662"/>
        <source>Winrail Object Files (*.wo3)</source>
        <translation>Winrail-objectbestanden (*.wo3)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="572"/>
        <location filename="../../app/MainFrame.cpp" line="662"/>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="659"/>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="699"/>
        <source>The catalogue was saved, but its previous version could not be kept as %1.
%2</source>
        <translation>De catalogus is opgeslagen, maar de vorige versie kon niet als %1 bewaard worden.
%2</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="793"/>
        <source>Open this catalogue</source>
        <translation>Deze catalogus openen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="828"/>
        <source>%1 cannot be printed: the printer &quot;%2&quot; is not available.</source>
        <translation>%1 kan niet worden afgedrukt: de printer &quot;%2&quot; is niet beschikbaar.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="830"/>
        <source>%1 cannot be printed: no printer is available.</source>
        <translation>%1 kan niet worden afgedrukt: er is geen printer beschikbaar.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="832"/>
        <source>%1 cannot be printed: no printer is chosen as the default.</source>
        <translation>%1 kan niet worden afgedrukt: er is geen standaardprinter gekozen.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="878"/>
        <location filename="../../app/MainFrame.cpp" line="889"/>
        <source>Failed to send mail.</source>
        <translation>De e-mail kon niet worden verzonden.</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="408"/>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="361"/>
        <source>Export 3D &amp;model...</source>
        <translation>3D-&amp;model exporteren...</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="362"/>
        <source>Write the selected part or all parts as a 3D model for other programs (glTF or OBJ)</source>
        <translation>Het gekozen onderdeel of alle onderdelen als 3D-model voor andere programma&apos;s schrijven (glTF of OBJ)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="594"/>
        <location filename="../../app/MainFrame.cpp" line="613"/>
        <source>Export 3D model</source>
        <translation>3D-model exporteren</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="595"/>
        <source>Export the selected part &quot;%1&quot; or all %2 parts of the catalogue?</source>
        <translation>Het gekozen onderdeel „%1” of alle %2 onderdelen van de catalogus exporteren?</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="600"/>
        <source>&amp;Selected part</source>
        <translation>&amp;Gekozen onderdeel</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="601"/>
        <source>&amp;All parts</source>
        <translation>A&amp;lle onderdelen</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="616"/>
        <source>glTF binary (*.glb)</source>
        <translation>glTF binair (*.glb)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="616"/>
        <source>Wavefront OBJ (*.obj)</source>
        <translation>Wavefront OBJ (*.obj)</translation>
    </message>
    <message>
        <location filename="../../app/MainFrame.cpp" line="634"/>
        <source>The catalogue has no parts to export.</source>
        <translation>De catalogus heeft geen onderdelen om te exporteren.</translation>
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="15"/>
        <source>Edit manufacturer</source>
        <translation>Fabrikant bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="23"/>
        <source>&amp;Name</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="24"/>
        <source>&amp;Street+nr</source>
        <translation>&amp;Straat+nr</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="25"/>
        <source>&amp;ZIP code</source>
        <translation>Post&amp;code</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="26"/>
        <source>&amp;Town</source>
        <translation>&amp;Plaats</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="27"/>
        <source>Co&amp;untry</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <location filename="../../ui/ManufacturerDlg.cpp" line="28"/>
        <source>&amp;Phone</source>
        <translation>&amp;Telefoon</translation>
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
        <translation>Naamloos</translation>
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
        <translation>De niet-opgeslagen wijzigingen van %1 van %2 herstellen?</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="234"/>
        <source>&amp;Recover</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="235"/>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerpen</translation>
    </message>
    <message>
        <location filename="../../app/ModelwrightApp.cpp" line="236"/>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
</context>
<context>
    <name>CModelwrightView</name>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="319"/>
        <source>Edi&amp;t header ...</source>
        <translation>&amp;Kop bewerken ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="320"/>
        <source>&amp;Delete ...</source>
        <translation>&amp;Verwijderen ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="321"/>
        <source>&amp;New tree ...</source>
        <translation>&amp;Nieuwe boom ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="322"/>
        <source>New &amp;building ...</source>
        <translation>Nieuw &amp;gebouw ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="323"/>
        <source>Ed&amp;it ...</source>
        <translation>Bewe&amp;rken ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="324"/>
        <source>E&amp;xport ...</source>
        <translation>&amp;Exporteren ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="326"/>
        <source>New &amp;platform ...</source>
        <translation>Nieuw &amp;perron ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="643"/>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="68"/>
        <source>New tree &quot;%1&quot;</source>
        <translation>Nieuwe boom &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="69"/>
        <source>New building &quot;%1&quot;</source>
        <translation>Nieuw gebouw &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="70"/>
        <source>New platform &quot;%1&quot;</source>
        <translation>Nieuw perron &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="72"/>
        <source>Edit tree &quot;%1&quot;</source>
        <translation>Boom &quot;%1&quot; bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="73"/>
        <source>Edit building &quot;%1&quot;</source>
        <translation>Gebouw &quot;%1&quot; bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="74"/>
        <source>Edit platform &quot;%1&quot;</source>
        <translation>Perron &quot;%1&quot; bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="76"/>
        <source>Delete tree &quot;%1&quot;</source>
        <translation>Boom &quot;%1&quot; verwijderen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="77"/>
        <source>Delete building &quot;%1&quot;</source>
        <translation>Gebouw &quot;%1&quot; verwijderen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="78"/>
        <source>Delete platform &quot;%1&quot;</source>
        <translation>Perron &quot;%1&quot; verwijderen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="325"/>
        <source>Export and &amp;compile ...</source>
        <translation>Exporteren en &amp;compileren ...</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="327"/>
        <source>D&amp;uplicate</source>
        <translation>&amp;Dupliceren</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="328"/>
        <source>Add a copy of the selected part under a new name</source>
        <translation>Een kopie van het gekozen onderdeel onder een nieuwe naam toevoegen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="329"/>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="330"/>
        <source>Move the selected part to the clipboard</source>
        <translation>Het gekozen onderdeel naar het klembord verplaatsen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="331"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="332"/>
        <source>Copy the selected part to the clipboard</source>
        <translation>Het gekozen onderdeel naar het klembord kopiëren</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="333"/>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="334"/>
        <source>Add the part on the clipboard to the catalogue</source>
        <translation>Het onderdeel op het klembord aan de catalogus toevoegen</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="491"/>
        <source>Duplicate &quot;%1&quot;</source>
        <translation>Dupliceren &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="561"/>
        <source>The clipboard holds no part that can be pasted.</source>
        <translation>Het klembord bevat geen onderdeel dat geplakt kan worden.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="568"/>
        <source>Paste &quot;%1&quot;</source>
        <translation>Plakken &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="606"/>
        <source>Edit address</source>
        <translation>Adres bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="611"/>
        <source>Edit header</source>
        <translation>Kop bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="761"/>
        <source>Export parts file</source>
        <translation>Onderdelenbestand exporteren</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="764"/>
        <source>Winrail parts files (*.bdf)</source>
        <translation>Winrail-onderdelenbestanden (*.bdf)</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="820"/>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="821"/>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="822"/>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="823"/>
        <source>Currency</source>
        <translation>Munteenheid</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="824"/>
        <source>Manufacturer</source>
        <translation>Fabrikant</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="825"/>
        <source>Representative</source>
        <translation>Vertegenwoordiger</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Catalogue number</source>
        <translation>Catalogusnummer</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="827"/>
        <source>Parts per package</source>
        <translation>Onderdelen per verpakking</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="802"/>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="335"/>
        <source>Filter by name or catalogue number (%1)</source>
        <translation>Filteren op naam of catalogusnummer (%1)</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="685"/>
        <location filename="../../ui/ModelwrightView.cpp" line="721"/>
        <source>Opened %1 with the desktop&apos;s program for parts files.</source>
        <translation>%1 geopend met het programma van het bureaublad voor onderdelenbestanden.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="736"/>
        <source>No program on this desktop opens %1. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Geen programma op dit bureaublad opent %1. Kies onder Opties, Algemene opties het programma dat onderdelenbestanden compileert.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="701"/>
        <source>Started %1 on %2.</source>
        <translation>%1 gestart voor %2.</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="711"/>
        <source>Could not start %1: %2</source>
        <translation>Kon %1 niet starten: %2</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="726"/>
        <source>crashed</source>
        <translation>gecrasht</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="726"/>
        <source>exit %1</source>
        <translation>afsluitcode %1</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="728"/>
        <source>%1 on %2 finished (%3).</source>
        <translation>%1 op %2 voltooid (%3).</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="730"/>
        <source>%1 on %2 failed (%3).</source>
        <translation>%1 op %2 mislukt (%3).</translation>
    </message>
    <message>
        <location filename="../../ui/ModelwrightView.cpp" line="731"/>
        <source>%1 ended (%2). Its last lines:</source>
        <translation>%1 is geëindigd (%2). De laatste regels:</translation>
    </message>
</context>
<context>
    <name>COptionsPropertySheet</name>
    <message>
        <location filename="../../ui/OptionsPropertySheet.cpp" line="14"/>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
</context>
<context>
    <name>CPartPreview</name>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="110"/>
        <source>Unknown keyword &quot;%1&quot;.</source>
        <translation>Onbekend sleutelwoord &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="112"/>
        <source>Numbers are missing on this line.</source>
        <translation>Op deze regel ontbreken getallen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="114"/>
        <source>Text after the last number is ignored.</source>
        <translation>Tekst na het laatste getal wordt genegeerd.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="116"/>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>&quot;%1&quot; is geen geheel getal.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="118"/>
        <source>The number %1 is too large.</source>
        <translation>Het getal %1 is te groot.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="120"/>
        <source>&quot;%1&quot; is not a colour ($ and six hexadecimal digits).</source>
        <translation>&quot;%1&quot; is geen kleur ($ en zes hexadecimale cijfers).</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="122"/>
        <source>The 3D group has no End3D line.</source>
        <translation>De 3D-groep heeft geen regel End3D.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="124"/>
        <source>The group&apos;s points do not make whole shapes.</source>
        <translation>De punten van de groep vormen geen hele vormen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="128"/>
        <source>The solid has no Center line and is not drawn.</source>
        <translation>Het lichaam heeft geen Center-regel en wordt niet getekend.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="130"/>
        <source>This line does not belong here.</source>
        <translation>Deze regel hoort hier niet.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="132"/>
        <source>The part&apos;s line needs its number and name in double quotes.</source>
        <translation>De regel van het onderdeel heeft nummer en naam tussen dubbele aanhalingstekens nodig.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="134"/>
        <source>The part has no End line.</source>
        <translation>Het onderdeel heeft geen End-regel.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="136"/>
        <source>Text stands outside a part.</source>
        <translation>Er staat tekst buiten een onderdeel.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="138"/>
        <source>The header has no End line.</source>
        <translation>De kop heeft geen End-regel.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="628"/>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="629"/>
        <source>Three-dimensional view; drag to turn it (3)</source>
        <translation>Driedimensionaal aanzicht; slepen om te draaien (3)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="630"/>
        <source>Plan</source>
        <translation>Plattegrond</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="631"/>
        <source>The part as the track plan shows it (P)</source>
        <translation>Het onderdeel zoals het spoorplan het toont (P)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="632"/>
        <source>Front</source>
        <translation>Voor</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="633"/>
        <source>Seen from the front (F)</source>
        <translation>Van voren gezien (F)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="634"/>
        <source>Side</source>
        <translation>Zij</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="635"/>
        <source>Seen from the right side (S)</source>
        <translation>Van rechts gezien (S)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="636"/>
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="637"/>
        <source>Seen from above (T)</source>
        <translation>Van boven gezien (T)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="638"/>
        <source>Fit</source>
        <translation>Passend</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="639"/>
        <source>Show the whole part (Home, or double-click the picture)</source>
        <translation>Het hele onderdeel tonen (Home, of dubbelklik op de afbeelding)</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="800"/>
        <source>This part is too large to show.</source>
        <translation>Dit onderdeel is te groot om te tonen.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="645"/>
        <location filename="../../ui/PartPreview.cpp" line="806"/>
        <source>Select a part to see it here.</source>
        <translation>Kies een onderdeel om het hier te zien.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="677"/>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="700"/>
        <location filename="../../ui/PartPreview.cpp" line="830"/>
        <source>Free text, line %1: %2</source>
        <translation>Vrije tekst, regel %1: %2</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="642"/>
        <source>Faults in the free texts, found by the last export:</source>
        <translation>Fouten in de vrije teksten, gevonden bij de laatste export:</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="643"/>
        <source>Click a fault to select its part</source>
        <translation>Klik op een fout om het onderdeel te selecteren</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="701"/>
        <source>Element %1, line %2: %3</source>
        <translation>Element %1, regel %2: %3</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="845"/>
        <source>%1, line %2: %3</source>
        <translation>%1, regel %2: %3</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="846"/>
        <source>%1, element %2, line %3: %4</source>
        <translation>%1, element %2, regel %3: %4</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="126"/>
        <source>The group&apos;s first point has no colour.</source>
        <translation>Het eerste punt van de groep heeft geen kleur.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="140"/>
        <source>The text is too large to be read whole; reading stopped here.</source>
        <translation>De tekst is te groot om helemaal te lezen; het lezen stopt hier.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="640"/>
        <source>Same scale for all parts</source>
        <translation>Dezelfde schaal voor alle onderdelen</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="641"/>
        <source>Show every part at the scale of this one, so that their sizes compare</source>
        <translation>Elk onderdeel op de schaal van dit onderdeel tonen, zodat de maten te vergelijken zijn</translation>
    </message>
</context>
<context>
    <name>CPartsTableModel</name>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="128"/>
        <source>Tree</source>
        <translation>Boom</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="130"/>
        <source>Building</source>
        <translation>Gebouw</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="132"/>
        <source>Platform</source>
        <translation>Perron</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="189"/>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="191"/>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="193"/>
        <source>Catalogue no</source>
        <translation>Catalogusnr.</translation>
    </message>
    <message>
        <location filename="../../ui/PartsTable.cpp" line="195"/>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
</context>
<context>
    <name>CPlatformDlg</name>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="44"/>
        <source>Platform edit dialog</source>
        <translation>Perron bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="65"/>
        <source>Additional free te&amp;xt</source>
        <translation>E&amp;xtra vrije tekst</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="103"/>
        <source>Header information</source>
        <translation>Kopgegevens</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="110"/>
        <source>&amp;Description</source>
        <translation>Om&amp;schrijving</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="111"/>
        <source>C&amp;atalogue no</source>
        <translation>&amp;Catalogusnr.</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="112"/>
        <source>&amp;Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="113"/>
        <source>Pr&amp;ice</source>
        <translation>Pri&amp;js</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="114"/>
        <source>Parts per pac&amp;kage</source>
        <translation>Onderdelen per &amp;verpakking</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="120"/>
        <source>Floor part</source>
        <translation>Vloer</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="127"/>
        <source>&amp;Length</source>
        <translation>&amp;Lengte</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="128"/>
        <source>&amp;Width</source>
        <translation>&amp;Breedte</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="129"/>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="130"/>
        <source>&amp;Top color</source>
        <translation>&amp;Kleur van de bovenkant</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="131"/>
        <source>&amp;Side color</source>
        <translation>&amp;Zijkleur</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="143"/>
        <source>Pitched roof on poles along both edges</source>
        <translation>Zadeldak op palen langs beide randen</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="144"/>
        <source>V-shaped roof on one middle row of poles</source>
        <translation>V-vormig dak op één middelste rij palen</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="145"/>
        <source>Arched roof on poles along both edges</source>
        <translation>Gebogen dak op palen langs beide randen</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="146"/>
        <source>Single-pitch roof on poles along both edges</source>
        <translation>Lessenaarsdak op palen langs beide randen</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="149"/>
        <source>Cover type</source>
        <translation>Overkapping</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="152"/>
        <source>No co&amp;ver</source>
        <translation>&amp;Geen overkapping</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="177"/>
        <source>Cover properties</source>
        <translation>Eigenschappen van de overkapping</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="184"/>
        <source>Pole hei&amp;ght</source>
        <translation>&amp;Paalhoogte</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="185"/>
        <source>&amp;Roof height</source>
        <translation>Dakhoog&amp;te</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="186"/>
        <source>&amp;Edge distance</source>
        <translation>A&amp;fstand tot de rand</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="187"/>
        <source>Num&amp;ber of poles (one side)</source>
        <translation>Aantal palen (éé&amp;n zijde)</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="188"/>
        <source>Roo&amp;f color</source>
        <translation>&amp;Dakkleur</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="194"/>
        <source>Pole style</source>
        <translation>Paalvorm</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="197"/>
        <source>Rou&amp;nd pole</source>
        <translation>&amp;Ronde paal</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="198"/>
        <source>S&amp;quare pole</source>
        <translation>V&amp;ierkante paal</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="208"/>
        <source>&amp;Pole color</source>
        <translation>Paalkle&amp;ur</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="209"/>
        <source>Pole dia&amp;meter</source>
        <translation>Paaldia&amp;meter</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="295"/>
        <source>Choose a cover type</source>
        <translation>Kies een overkapping</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="296"/>
        <source>Length must be more than 0</source>
        <translation>De lengte moet groter dan 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="297"/>
        <source>Width must be more than 0</source>
        <translation>De breedte moet groter dan 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="297"/>
        <source>Height must be more than 0</source>
        <translation>De hoogte moet groter dan 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="304"/>
        <source>Choose a pole style</source>
        <translation>Kies een paalvorm</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="306"/>
        <source>Pole height must be more than 0</source>
        <translation>De paalhoogte moet groter dan 0 zijn</translation>
    </message>
    <message>
        <location filename="../../ui/PlatformDlg.cpp" line="308"/>
        <source>Pole diameter must be more than 0</source>
        <translation>De paaldiameter moet groter dan 0 zijn</translation>
    </message>
</context>
<context>
    <name>CPreviewCanvas</name>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="100"/>
        <source>%1 in</source>
        <translation>%1 inch</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="100"/>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="362"/>
        <source>Too complex to draw whole: what lies furthest back is left out.</source>
        <translation>Te complex om geheel te tekenen: wat het verst naar achteren ligt, ontbreekt.</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="393"/>
        <source>Grid %1</source>
        <translation>Raster %1</translation>
    </message>
    <message>
        <location filename="../../ui/PartPreview.cpp" line="398"/>
        <source>%1 × %2 × %3 in</source>
        <translation>%1 × %2 × %3 inch</translation>
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
        <translation>Boom bewerken</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="47"/>
        <source>Additional &amp;free text</source>
        <translation>Aanvullende vrije &amp;tekst</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="75"/>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="83"/>
        <source>&amp;Description</source>
        <translation>O&amp;mschrijving</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="85"/>
        <source>Pr&amp;ice</source>
        <translation>&amp;Prijs</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="86"/>
        <source>&amp;Parts per package</source>
        <translation>Onderdelen per &amp;verpakking</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="87"/>
        <source>&amp;Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="93"/>
        <source>Tree type</source>
        <translation>Boomsoort</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="96"/>
        <source>Needle &amp;leaved tree</source>
        <translation>&amp;Naaldboom</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="97"/>
        <source>D&amp;eciduous tree</source>
        <translation>&amp;Loofboom</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="107"/>
        <source>Trunk</source>
        <translation>Stam</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="112"/>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="125"/>
        <source>Hei&amp;ght</source>
        <translation>Hoo&amp;gte</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="113"/>
        <source>&amp;Radius</source>
        <translation>&amp;Straal</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="126"/>
        <source>R&amp;adius</source>
        <translation>St&amp;raal</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="114"/>
        <source>Trun&amp;k color</source>
        <translation>Stamkle&amp;ur</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="84"/>
        <source>Catalogue &amp;no</source>
        <translation>&amp;Catalogusnr.</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="120"/>
        <source>Top</source>
        <translation>Kruin</translation>
    </message>
    <message>
        <location filename="../../ui/TreeDlg.cpp" line="127"/>
        <source>&amp;Top color</source>
        <translation>&amp;Kruinkleur</translation>
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
        <translation>inch</translation>
    </message>
</context>
<context>
    <name>CompileCommand</name>
    <message>
        <location filename="../../ui/CompileCommand.cpp" line="34"/>
        <source>The desktop opens %1 files as fonts. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Het bureaublad opent %1-bestanden als lettertypen. Kies onder Opties, Algemene opties het programma dat onderdelenbestanden compileert.</translation>
    </message>
    <message>
        <location filename="../../ui/CompileCommand.cpp" line="45"/>
        <source>The compile command &quot;%1&quot; names no program.</source>
        <translation>De compileeropdracht &quot;%1&quot; noemt geen programma.</translation>
    </message>
</context>
</TS>
