<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="nl_NL">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Modelwright Version 2.0</source>
        <translation>Modelwright versie 2.0</translation>
    </message>
    <message>
        <source>The Modelwright developers</source>
        <translation>De ontwikkelaars van Modelwright</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>About Modelwright</source>
        <translation>Over Modelwright</translation>
    </message>
    <message>
        <source>Modelwright</source>
        <translation>Modelwright</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versie</translation>
    </message>
</context>
<context>
    <name>CBuildingDlg</name>
    <message>
        <source>Building edit dialog</source>
        <translation>Gebouw bewerken</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Kopgegevens</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>Catalogusnr.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Onderdelen per verpakking</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>Building elements</source>
        <translation>Gebouwdelen</translation>
    </message>
    <message>
        <source>New ...</source>
        <translation>Nieuw ...</translation>
    </message>
    <message>
        <source>Edit ...</source>
        <translation>Bewerken ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Free text after last element</source>
        <translation>Vrije tekst na het laatste deel</translation>
    </message>
</context>
<context>
    <name>CBuildingElementDlg</name>
    <message>
        <source>Ridge roof</source>
        <translation>Zadeldak</translation>
    </message>
    <message>
        <source>Roof with sloping sides and a flat top</source>
        <translation>Dak met schuine zijden en een plat bovenvlak</translation>
    </message>
    <message>
        <source>Single-slope roof</source>
        <translation>Lessenaarsdak</translation>
    </message>
    <message>
        <source>0 degr</source>
        <translation>0 gr</translation>
    </message>
    <message>
        <source>90 degr</source>
        <translation>90 gr</translation>
    </message>
    <message>
        <source>180 degr</source>
        <translation>180 gr</translation>
    </message>
    <message>
        <source>270 degr</source>
        <translation>270 gr</translation>
    </message>
    <message>
        <source>Building element</source>
        <translation>Gebouwdeel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Blok</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Diepte</translation>
    </message>
    <message>
        <source>Block color</source>
        <translation>Blokkleur</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Dak</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Hoek</translation>
    </message>
    <message>
        <source>Roof color</source>
        <translation>Dakkleur</translation>
    </message>
    <message>
        <source>Rooftype</source>
        <translation>Daktype</translation>
    </message>
    <message>
        <source>No roof</source>
        <translation>Geen dak</translation>
    </message>
    <message>
        <source>Roof orientation</source>
        <translation>Dakrichting</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Positie van het deel</translation>
    </message>
    <message>
        <source>Lower left corner of block:</source>
        <translation>Linkeronderhoek van het blok:</translation>
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
        <translation>Deuren en ramen</translation>
    </message>
    <message>
        <source>New ...</source>
        <translation>Nieuw ...</translation>
    </message>
    <message>
        <source>Edit  ...</source>
        <translation>Bewerken ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Free additional text</source>
        <translation>Vrije aanvullende tekst</translation>
    </message>
</context>
<context>
    <name>CColorButton</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Meer kleuren...</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Dark Olive Green</source>
        <translation>Donker olijfgroen</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Donkergroen</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Donker blauwgroen</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Donkerblauw</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Donkergrijs</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Donkerrood</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Dark yellow</source>
        <translation>Donkergeel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blauwgroen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Blue-grey</source>
        <translation>Blauwgrijs</translation>
    </message>
    <message>
        <source>Grey - 40</source>
        <translation>Grijs - 40</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Light orange</source>
        <translation>Lichtoranje</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limoen</translation>
    </message>
    <message>
        <source>Sea green</source>
        <translation>Zeegroen</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Lichtblauw</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Grey - 50</source>
        <translation>Grijs - 50</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Goud</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Heldergroen</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turkoois</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Hemelsblauw</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pruim</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Lichtgrijs</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rozerood</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Lichtbruin</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Lichtgeel</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Bleekgroen</translation>
    </message>
    <message>
        <source>Pale turquoise</source>
        <translation>Bleekturkoois</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Bleekblauw</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
</context>
<context>
    <name>CDecorationDlg</name>
    <message>
        <source>1 window</source>
        <translation>1 ruit</translation>
    </message>
    <message>
        <source>2 windows</source>
        <translation>2 ruiten</translation>
    </message>
    <message>
        <source>4 windows</source>
        <translation>4 ruiten</translation>
    </message>
    <message>
        <source>6 windows</source>
        <translation>6 ruiten</translation>
    </message>
    <message>
        <source>8 windows</source>
        <translation>8 ruiten</translation>
    </message>
    <message>
        <source>Decorations edit dialog</source>
        <translation>Deuren en ramen bewerken</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Position relative to lower left corner of the wall</source>
        <translation>Positie ten opzichte van de linkeronderhoek van de wand</translation>
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
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Which wall?</source>
        <translation>Welke wand?</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Voorkant</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Achterkant</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>Linkerzijde</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>Rechterzijde</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Main color</source>
        <translation>Hoofdkleur</translation>
    </message>
    <message>
        <source>Inner color</source>
        <translation>Binnenkleur</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Main type</source>
        <translation>Hoofdtype</translation>
    </message>
    <message>
        <source>Base A</source>
        <translation>Basis A</translation>
    </message>
    <message>
        <source>Base B</source>
        <translation>Basis B</translation>
    </message>
    <message>
        <source>Subtype</source>
        <translation>Subtype</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Deur</translation>
    </message>
    <message>
        <source>Door with window</source>
        <translation>Deur met raam</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Raam</translation>
    </message>
    <message>
        <source>Window count</source>
        <translation>Aantal ruiten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
</context>
<context>
    <name>CGeneralOptions</name>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
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
        <translation>Algemene opties</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Taal kiezen</translation>
    </message>
    <message>
        <source>Winrail version </source>
        <translation>Winrail-versie </translation>
    </message>
    <message>
        <source>Use hexahedron in stead of Hexaedron (bug fix)</source>
        <translation>Hexahedron gebruiken in plaats van Hexaedron (correctie)</translation>
    </message>
</context>
<context>
    <name>CHeaderDlg</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Street+nr</source>
        <translation>Straat+nr</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
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
        <translation>Kop bewerken</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Munteenheid</translation>
    </message>
    <message>
        <source>Edit manufacturer ...</source>
        <translation>Fabrikant bewerken ...</translation>
    </message>
    <message>
        <source>Edit representative ...</source>
        <translation>Vertegenwoordiger bewerken ...</translation>
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
        <translation>Het helpbestand is niet gevonden. Installeer het programma opnieuw.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>Modelwright Help</source>
        <translation>Modelwright Help</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <comment>Caps Lock is on</comment>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>Num Lock is on</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <comment>Scroll Lock is on</comment>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Start a new catalogue</source>
        <translation>Een nieuwe catalogus beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open a catalogue file</source>
        <translation>Een catalogusbestand openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save the catalogue</source>
        <translation>De catalogus opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>Save the catalogue under a new name</source>
        <translation>De catalogus onder een nieuwe naam opslaan</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Print the catalogue</source>
        <translation>De catalogus afdrukken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>De afgedrukte pagina's tonen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Af&amp;drukinstellingen...</translation>
    </message>
    <message>
        <source>Choose the printer and the page</source>
        <translation>Printer en pagina kiezen</translation>
    </message>
    <message>
        <source>Sen&amp;d...</source>
        <translation>Ver&amp;zenden...</translation>
    </message>
    <message>
        <source>Send the catalogue file by mail</source>
        <translation>Het catalogusbestand per e-mail verzenden</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Recent bestand</translation>
    </message>
    <message>
        <source>Open a recently used catalogue</source>
        <translation>Een recent gebruikte catalogus openen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changes</source>
        <translation>Het programma afsluiten; vraagt om wijzigingen op te slaan</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>De selectie naar het klembord knippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>De selectie naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Insert the clipboard's contents</source>
        <translation>De inhoud van het klembord invoegen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>De werkbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>De statusbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Choose the language, the Winrail version and the hexahedron keyword</source>
        <translation>Taal, Winrail-versie en hexaëder-sleutelwoord kiezen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Helponderwerpen</translation>
    </message>
    <message>
        <source>Show the contents of the help</source>
        <translation>De inhoud van de help tonen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Show the help on the active window</source>
        <translation>De help bij het actieve venster tonen</translation>
    </message>
    <message>
        <source>Context help</source>
        <translation>Contexthulp</translation>
    </message>
    <message>
        <source>Show the help on the next window clicked</source>
        <translation>De help bij het volgende aangeklikte venster tonen</translation>
    </message>
    <message>
        <source>&amp;About Modelwright...</source>
        <translation>&amp;Over Modelwright...</translation>
    </message>
    <message>
        <source>Show the program's version and copyright</source>
        <translation>Versie en copyright van het programma tonen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Exported one part to %1</source>
        <translation>Eén onderdeel geëxporteerd naar %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n parts to %1</source>
        <translation>
            <numerusform>%n onderdeel geëxporteerd naar %1</numerusform>
            <numerusform>%n onderdelen geëxporteerd naar %1</numerusform>
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
        <translation>Wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Winrail Object Files (*.wo3)</source>
        <translation>Winrail-objectbestanden (*.wo3)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Open this catalogue</source>
        <translation>Deze catalogus openen</translation>
    </message>
    <message>
        <source>%1 cannot be printed: the printer "%2" is not available.</source>
        <translation>%1 kan niet worden afgedrukt: de printer "%2" is niet beschikbaar.</translation>
    </message>
    <message>
        <source>%1 cannot be printed: no printer is available.</source>
        <translation>%1 kan niet worden afgedrukt: er is geen printer beschikbaar.</translation>
    </message>
    <message>
        <source>%1 cannot be printed: no printer is chosen as the default.</source>
        <translation>%1 kan niet worden afgedrukt: er is geen standaardprinter gekozen.</translation>
    </message>
    <message>
        <source>Failed to send mail.</source>
        <translation>De e-mail kon niet worden verzonden.</translation>
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <source>Edit manufacturer</source>
        <translation>Fabrikant bewerken</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Street+nr</source>
        <translation>Straat+nr</translation>
    </message>
    <message>
        <source>ZIP code</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
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
        <translation>Boom</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Gebouw</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Perron</translation>
    </message>
    <message>
        <source>Edit header ...</source>
        <translation>Kop bewerken ...</translation>
    </message>
    <message>
        <source>Delete ...</source>
        <translation>Verwijderen ...</translation>
    </message>
    <message>
        <source>New tree ...</source>
        <translation>Nieuwe boom ...</translation>
    </message>
    <message>
        <source>New building ...</source>
        <translation>Nieuw gebouw ...</translation>
    </message>
    <message>
        <source>Edit ...</source>
        <translation>Bewerken ...</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exporteren ...</translation>
    </message>
    <message>
        <source>Export and compile ..</source>
        <translation>Exporteren en compileren ..</translation>
    </message>
    <message>
        <source>New platform ...</source>
        <translation>Nieuw perron ...</translation>
    </message>
    <message>
        <source>Export partsfile</source>
        <translation>Onderdelenbestand exporteren</translation>
    </message>
    <message>
        <source>Winrail parts Files (*.bdf)</source>
        <translation>Winrail-onderdelenbestanden (*.bdf)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Munteenheid</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabrikant</translation>
    </message>
    <message>
        <source>Representative</source>
        <translation>Vertegenwoordiger</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Catalogusnummer</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Onderdelen per verpakking</translation>
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
        <translation>Opties</translation>
    </message>
</context>
<context>
    <name>CPlatformDlg</name>
    <message>
        <source>Platform edit dialog</source>
        <translation>Perron bewerken</translation>
    </message>
    <message>
        <source>Additional free text</source>
        <translation>Aanvullende vrije tekst</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Kopgegevens</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>Catalogusnr.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Onderdelen per verpakking</translation>
    </message>
    <message>
        <source>Floor part</source>
        <translation>Vloer</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kruinkleur</translation>
    </message>
    <message>
        <source>Side color</source>
        <translation>Zijkleur</translation>
    </message>
    <message>
        <source>Pitched roof on poles along both edges</source>
        <translation>Zadeldak op palen langs beide randen</translation>
    </message>
    <message>
        <source>V-shaped roof on one middle row of poles</source>
        <translation>V-vormig dak op één middelste rij palen</translation>
    </message>
    <message>
        <source>Arched roof on poles along both edges</source>
        <translation>Gebogen dak op palen langs beide randen</translation>
    </message>
    <message>
        <source>Single-pitch roof on poles along both edges</source>
        <translation>Lessenaarsdak op palen langs beide randen</translation>
    </message>
    <message>
        <source>Cover type</source>
        <translation>Overkapping</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Geen overkapping</translation>
    </message>
    <message>
        <source>Cover properties</source>
        <translation>Eigenschappen van de overkapping</translation>
    </message>
    <message>
        <source>Pole height</source>
        <translation>Paalhoogte</translation>
    </message>
    <message>
        <source>Roof height</source>
        <translation>Dakhoogte</translation>
    </message>
    <message>
        <source>Edge distance</source>
        <translation>Afstand tot de rand</translation>
    </message>
    <message>
        <source>No of poles (one side)</source>
        <translation>Aantal palen (één zijde)</translation>
    </message>
    <message>
        <source>Roof color</source>
        <translation>Dakkleur</translation>
    </message>
    <message>
        <source>Pole style</source>
        <translation>Paalvorm</translation>
    </message>
    <message>
        <source>Round pole</source>
        <translation>Ronde paal</translation>
    </message>
    <message>
        <source>Square pole</source>
        <translation>Vierkante paal</translation>
    </message>
    <message>
        <source>Pole color</source>
        <translation>Paalkleur</translation>
    </message>
    <message>
        <source>Pole diameter</source>
        <translation>Paaldiameter</translation>
    </message>
</context>
<context>
    <name>CTreeDlg</name>
    <message>
        <source>Edit tree</source>
        <translation>Boom bewerken</translation>
    </message>
    <message>
        <source>Addtional free text</source>
        <translation>Aanvullende vrije tekst</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>Catalogusnr.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Onderdelen per verpakking</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>Tree type</source>
        <translation>Boomsoort</translation>
    </message>
    <message>
        <source>Needle leaved tree</source>
        <translation>Naaldboom</translation>
    </message>
    <message>
        <source>Deciduous tree</source>
        <translation>Loofboom</translation>
    </message>
    <message>
        <source>Trunk</source>
        <translation>Stam</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Straal</translation>
    </message>
    <message>
        <source>Trunk color</source>
        <translation>Stamkleur</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Kruin</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kruinkleur</translation>
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
        <translation>inch</translation>
    </message>
</context>
<context>
    <name>CPartPreview</name>
    <message>
        <source>Unknown keyword &quot;%1&quot;.</source>
        <translation>Onbekend sleutelwoord &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Numbers are missing on this line.</source>
        <translation>Op deze regel ontbreken getallen.</translation>
    </message>
    <message>
        <source>Text after the last number is ignored.</source>
        <translation>Tekst na het laatste getal wordt genegeerd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>&quot;%1&quot; is geen geheel getal.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation>Het getal %1 is te groot.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour ($ and six hexadecimal digits).</source>
        <translation>&quot;%1&quot; is geen kleur ($ en zes hexadecimale cijfers).</translation>
    </message>
    <message>
        <source>The 3D group has no End3D line.</source>
        <translation>De 3D-groep heeft geen regel End3D.</translation>
    </message>
    <message>
        <source>The group&apos;s points do not make whole shapes.</source>
        <translation>De punten van de groep vormen geen hele vormen.</translation>
    </message>
    <message>
        <source>The solid has no Center line and is not drawn.</source>
        <translation>Het lichaam heeft geen Center-regel en wordt niet getekend.</translation>
    </message>
    <message>
        <source>This line does not belong here.</source>
        <translation>Deze regel hoort hier niet.</translation>
    </message>
    <message>
        <source>The part&apos;s line needs its number and name in double quotes.</source>
        <translation>De regel van het onderdeel heeft nummer en naam tussen dubbele aanhalingstekens nodig.</translation>
    </message>
    <message>
        <source>The part has no End line.</source>
        <translation>Het onderdeel heeft geen End-regel.</translation>
    </message>
    <message>
        <source>Text stands outside a part.</source>
        <translation>Er staat tekst buiten een onderdeel.</translation>
    </message>
    <message>
        <source>The header has no End line.</source>
        <translation>De kop heeft geen End-regel.</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Three-dimensional view; drag to turn it (3)</source>
        <translation>Driedimensionaal aanzicht; slepen om te draaien (3)</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plattegrond</translation>
    </message>
    <message>
        <source>The part as the track plan shows it (P)</source>
        <translation>Het onderdeel zoals het spoorplan het toont (P)</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>Seen from the front (F)</source>
        <translation>Van voren gezien (F)</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Zij</translation>
    </message>
    <message>
        <source>Seen from the right side (S)</source>
        <translation>Van rechts gezien (S)</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <source>Seen from above (T)</source>
        <translation>Van boven gezien (T)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>Show the whole part (Home, or double-click the picture)</source>
        <translation>Het hele onderdeel tonen (Home, of dubbelklik op de afbeelding)</translation>
    </message>
    <message>
        <source>This part is too large to show.</source>
        <translation>Dit onderdeel is te groot om te tonen.</translation>
    </message>
    <message>
        <source>Select a part to see it here.</source>
        <translation>Kies een onderdeel om het hier te zien.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>Free text, line %1: %2</source>
        <translation>Vrije tekst, regel %1: %2</translation>
    </message>
</context>
</TS>