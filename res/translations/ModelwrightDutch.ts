<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
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
        <source>&amp;Description</source>
        <translation>O&amp;mschrijving</translation>
    </message>
    <message>
        <source>P&amp;rice</source>
        <translation>&amp;Prijs</translation>
    </message>
    <message>
        <source>&amp;Parts per package</source>
        <translation>On&amp;derdelen per verpakking</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <source>C&amp;atalogue no</source>
        <translation>&amp;Catalogusnr.</translation>
    </message>
    <message>
        <source>&amp;Building elements</source>
        <translation>&amp;Gebouwdelen</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Nieuw ...</translation>
    </message>
    <message>
        <source>&amp;Edit ...</source>
        <translation>&amp;Bewerken ...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Free text after last element</source>
        <translation>Vrije &amp;tekst na het laatste deel</translation>
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
        <source>Building element</source>
        <translation>Gebouwdeel</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>O&amp;mschrijving</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Blok</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Hoog&amp;te</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breedte</translation>
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
        <translation>D&amp;iepte</translation>
    </message>
    <message>
        <source>&amp;Block color</source>
        <translation>B&amp;lokkleur</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Dak</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <translation>Ho&amp;ek</translation>
    </message>
    <message>
        <source>&amp;Roof color</source>
        <translation>&amp;Dakkleur</translation>
    </message>
    <message>
        <source>Roof type</source>
        <translation>Daktype</translation>
    </message>
    <message>
        <source>No roo&amp;f</source>
        <translation>&amp;Geen dak</translation>
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
        <translation>Deuren en &amp;ramen</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Nieuw ...</translation>
    </message>
    <message>
        <source>&amp;Edit  ...</source>
        <translation>Be&amp;werken ...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Choose a roof type</source>
        <translation>Kies een daktype</translation>
    </message>
    <message>
        <source>Choose a roof orientation</source>
        <translation>Kies een dakrichting</translation>
    </message>
    <message>
        <source>Block height must not be 0</source>
        <translation>De blokhoogte mag niet 0 zijn</translation>
    </message>
    <message>
        <source>Block width must not be 0</source>
        <translation>De blokbreedte mag niet 0 zijn</translation>
    </message>
    <message>
        <source>Block depth must not be 0</source>
        <translation>De blokdiepte mag niet 0 zijn</translation>
    </message>
    <message>
        <source>Free additional &amp;text</source>
        <translation>Vri&amp;je aanvullende tekst</translation>
    </message>
    <message>
        <source>Hipped roof</source>
        <translation>Schilddak</translation>
    </message>
    <message>
        <source>Half-hipped roof</source>
        <translation>Wolfsdak</translation>
    </message>
    <message>
        <source>Hipped roof with a flat top</source>
        <translation>Schilddak met platte bovenkant</translation>
    </message>
</context>
<context>
    <name>CCatalogueSheet</name>
    <message>
        <source>Phone: %1</source>
        <translation>Telefoon: %1</translation>
    </message>
    <message>
        <source>Fax: %1</source>
        <translation>Fax: %1</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>the locale whose numbers and dates the sheet shows</comment>
        <translation>nl_NL</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>price and currency</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Kind: %1</source>
        <translation>Soort: %1</translation>
    </message>
    <message>
        <source>Catalogue number: %1</source>
        <translation>Catalogusnummer: %1</translation>
    </message>
    <message>
        <source>Price: %1</source>
        <translation>Prijs: %1</translation>
    </message>
    <message>
        <source>Parts per package: %1</source>
        <translation>Onderdelen per verpakking: %1</translation>
    </message>
    <message>
        <source>Size (W %1 D %1 H): %2</source>
        <translation>Afmetingen (B %1 D %1 H): %2</translation>
    </message>
    <message>
        <source>Real size at %1: %2</source>
        <translation>Werkelijke grootte bij %1: %2</translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
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
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Auteur: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Prices in %1</source>
        <translation>Prijzen in %1</translation>
    </message>
    <message>
        <source>Model scale %1</source>
        <translation>Modelschaal %1</translation>
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
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>The part is too large to draw.</source>
        <translation>Het onderdeel is te groot om te tekenen.</translation>
    </message>
    <message>
        <source>Index of catalogue numbers</source>
        <translation>Register van catalogusnummers</translation>
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
        <source>&amp;1 window</source>
        <translation>&amp;1 ruit</translation>
    </message>
    <message>
        <source>&amp;2 windows</source>
        <translation>&amp;2 ruiten</translation>
    </message>
    <message>
        <source>&amp;4 windows</source>
        <translation>&amp;4 ruiten</translation>
    </message>
    <message>
        <source>&amp;6 windows</source>
        <translation>&amp;6 ruiten</translation>
    </message>
    <message>
        <source>&amp;8 windows</source>
        <translation>&amp;8 ruiten</translation>
    </message>
    <message>
        <source>Decorations edit dialog</source>
        <translation>Deuren en ramen bewerken</translation>
    </message>
    <message>
        <source>D&amp;escription</source>
        <translation>O&amp;mschrijving</translation>
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
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Z:</source>
        <translation>&amp;Z:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Wid&amp;th</source>
        <translation>&amp;Breedte</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <source>Which wall?</source>
        <translation>Welke wand?</translation>
    </message>
    <message>
        <source>Choose a wall</source>
        <translation>Kies een wand</translation>
    </message>
    <message>
        <source>Choose a main type</source>
        <translation>Kies een hoofdtype</translation>
    </message>
    <message>
        <source>Choose a subtype</source>
        <translation>Kies een subtype</translation>
    </message>
    <message>
        <source>Width must not be 0</source>
        <translation>De breedte mag niet 0 zijn</translation>
    </message>
    <message>
        <source>Height must not be 0</source>
        <translation>De hoogte mag niet 0 zijn</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>&amp;Voorkant</translation>
    </message>
    <message>
        <source>&amp;Rear</source>
        <translation>A&amp;chterkant</translation>
    </message>
    <message>
        <source>&amp;Left side</source>
        <translation>&amp;Linkerzijde</translation>
    </message>
    <message>
        <source>Right &amp;side</source>
        <translation>R&amp;echterzijde</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>&amp;Main color</source>
        <translation>Hoo&amp;fdkleur</translation>
    </message>
    <message>
        <source>&amp;Inner color</source>
        <translation>Bi&amp;nnenkleur</translation>
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
        <source>&amp;Base A</source>
        <translation>Ba&amp;sis A</translation>
    </message>
    <message>
        <source>B&amp;ase B</source>
        <translation>Bas&amp;is B</translation>
    </message>
    <message>
        <source>Subtype</source>
        <translation>Subtype</translation>
    </message>
    <message>
        <source>&amp;Door</source>
        <translation>De&amp;ur</translation>
    </message>
    <message>
        <source>Door with wi&amp;ndow</source>
        <translation>&amp;Deur met raam</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Raam</translation>
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
        <source>&amp;Select language</source>
        <translation>&amp;Taal kiezen</translation>
    </message>
    <message>
        <source>&amp;Winrail version </source>
        <translation>&amp;Winrail-versie </translation>
    </message>
    <message>
        <source>&amp;Use hexahedron instead of Hexaedron (bug fix)</source>
        <translation>&amp;Hexahedron gebruiken in plaats van Hexaedron (correctie)</translation>
    </message>
    <message>
        <source>&amp;Keep unsaved changes for recovery every</source>
        <translation>Niet-opgeslagen wijzigingen &amp;bewaren voor herstel elke</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Keep the previous version as a &amp;backup (.bak) when saving</source>
        <translation>Bij opslaan de vorige versie als &amp;reservekopie (.bak) bewaren</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Co&amp;mpile command</source>
        <translation>&amp;Compileeropdracht</translation>
    </message>
    <message>
        <source>Run by &quot;Export and compile&quot; on the parts file; %f stands for the file. Empty: the desktop&apos;s program for parts files.</source>
        <translation>Wordt door &quot;Exporteren en compileren&quot; op het onderdelenbestand gestart; %f staat voor het bestand. Leeg: het programma van het bureaublad voor onderdelenbestanden.</translation>
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
        <source>&amp;Description</source>
        <translation>Om&amp;schrijving</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>A&amp;uteur</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versie</translation>
    </message>
    <message>
        <source>C&amp;urrency</source>
        <translation>&amp;Munteenheid</translation>
    </message>
    <message>
        <source>Edit &amp;manufacturer ...</source>
        <translation>&amp;Fabrikant bewerken ...</translation>
    </message>
    <message>
        <source>Edit &amp;representative ...</source>
        <translation>Vertegenwoordiger &amp;bewerken ...</translation>
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
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
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
        <translation>De afgedrukte pagina&apos;s tonen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Afdruk&amp;instellingen...</translation>
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
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changes</source>
        <translation>Het programma afsluiten; vraagt om wijzigingen op te slaan</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>P&amp;art</source>
        <translation>Onderdee&amp;l</translation>
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
        <source>Show the program&apos;s version and copyright</source>
        <translation>Versie en copyright van het programma tonen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>De laatste wijziging ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>O&amp;pnieuw</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>O&amp;pnieuw: %1</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>De ongedaan gemaakte wijziging opnieuw uitvoeren</translation>
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
        <source>The free texts have one fault, listed under the preview.</source>
        <translation>De vrije teksten hebben één fout, vermeld onder de voorvertoning.</translation>
    </message>
    <message numerus="yes">
        <source>The free texts have %n faults, listed under the preview.</source>
        <translation>
            <numerusform>De vrije teksten hebben %n fout, vermeld onder de voorvertoning.</numerusform>
            <numerusform>De vrije teksten hebben %n fouten, vermeld onder de voorvertoning.</numerusform>
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
        <source>Save the catalogue under another name?</source>
        <translation>De catalogus onder een andere naam opslaan?</translation>
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
        <source>The catalogue was saved, but its previous version could not be kept as %1.
%2</source>
        <translation>De catalogus is opgeslagen, maar de vorige versie kon niet als %1 bewaard worden.
%2</translation>
    </message>
    <message>
        <source>Open this catalogue</source>
        <translation>Deze catalogus openen</translation>
    </message>
    <message>
        <source>%1 cannot be printed: the printer &quot;%2&quot; is not available.</source>
        <translation>%1 kan niet worden afgedrukt: de printer &quot;%2&quot; is niet beschikbaar.</translation>
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
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Export 3D &amp;model...</source>
        <translation>3D-&amp;model exporteren...</translation>
    </message>
    <message>
        <source>Write the selected part or all parts as a 3D model for other programs (glTF or OBJ)</source>
        <translation>Het gekozen onderdeel of alle onderdelen als 3D-model voor andere programma&apos;s schrijven (glTF of OBJ)</translation>
    </message>
    <message>
        <source>Export 3D model</source>
        <translation>3D-model exporteren</translation>
    </message>
    <message>
        <source>Export the selected part &quot;%1&quot; or all %2 parts of the catalogue?</source>
        <translation>Het gekozen onderdeel „%1” of alle %2 onderdelen van de catalogus exporteren?</translation>
    </message>
    <message>
        <source>&amp;Selected part</source>
        <translation>&amp;Gekozen onderdeel</translation>
    </message>
    <message>
        <source>&amp;All parts</source>
        <translation>A&amp;lle onderdelen</translation>
    </message>
    <message>
        <source>glTF binary (*.glb)</source>
        <translation>glTF binair (*.glb)</translation>
    </message>
    <message>
        <source>Wavefront OBJ (*.obj)</source>
        <translation>Wavefront OBJ (*.obj)</translation>
    </message>
    <message>
        <source>The catalogue has no parts to export.</source>
        <translation>De catalogus heeft geen onderdelen om te exporteren.</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Niet opslaan</translation>
    </message>
    <message>
        <source>Export &amp;catalogue as PDF...</source>
        <translation>&amp;Catalogus als PDF exporteren...</translation>
    </message>
    <message>
        <source>Write the illustrated catalogue sheet as a PDF file to hand out</source>
        <translation>De geïllustreerde catalogus als PDF-bestand schrijven om uit te delen</translation>
    </message>
    <message>
        <source>%1: the PDF file to write is missing; give it after the catalogue.</source>
        <translation>%1: het te schrijven PDF-bestand ontbreekt; geef het na de catalogus op.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no model scale; write it as 1:87.</source>
        <translation>‘%1’ is geen modelschaal; schrijf hem als 1:87.</translation>
    </message>
    <message>
        <source>%1 is already open in another Modelwright window.</source>
        <translation>%1 is al geopend in een ander Modelwright-venster.</translation>
    </message>
    <message>
        <source>Editing it here as well would make two versions of it, each saved over the other.</source>
        <translation>Het hier ook bewerken zou twee versies opleveren, die elkaar bij het opslaan overschrijven.</translation>
    </message>
    <message>
        <source>&amp;Switch to It</source>
        <translation>&amp;Ernaartoe gaan</translation>
    </message>
    <message>
        <source>%1 was changed by another program at %2, after it was opened or saved here. Saving replaces those changes with yours.</source>
        <translation>%1 is om %2 door een ander programma gewijzigd, nadat het hier werd geopend of opgeslagen. Opslaan vervangt die wijzigingen door de uwe.</translation>
    </message>
    <message>
        <source>Reload opens the file as it is now and lets your unsaved changes go.</source>
        <translation>Opnieuw laden opent het bestand zoals het nu is en laat uw niet-opgeslagen wijzigingen vallen.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Overschrijven</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Opnieuw &amp;laden</translation>
    </message>
    <message>
        <source>%1 is open in another Modelwright window. Close it there, or save under another name.</source>
        <translation>%1 is geopend in een ander Modelwright-venster. Sluit het daar of sla op onder een andere naam.</translation>
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <source>Edit manufacturer</source>
        <translation>Fabrikant bewerken</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <source>&amp;Street+nr</source>
        <translation>&amp;Straat+nr</translation>
    </message>
    <message>
        <source>&amp;ZIP code</source>
        <translation>Post&amp;code</translation>
    </message>
    <message>
        <source>&amp;Town</source>
        <translation>&amp;Plaats</translation>
    </message>
    <message>
        <source>Co&amp;untry</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>&amp;Phone</source>
        <translation>&amp;Telefoon</translation>
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
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <source>Recover the unsaved changes of %1 from %2?</source>
        <translation>De niet-opgeslagen wijzigingen van %1 van %2 herstellen?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerpen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
</context>
<context>
    <name>CModelwrightView</name>
    <message>
        <source>Edi&amp;t header ...</source>
        <translation>&amp;Kop bewerken ...</translation>
    </message>
    <message>
        <source>&amp;Delete ...</source>
        <translation>&amp;Verwijderen ...</translation>
    </message>
    <message>
        <source>&amp;New tree ...</source>
        <translation>&amp;Nieuwe boom ...</translation>
    </message>
    <message>
        <source>New &amp;building ...</source>
        <translation>Nieuw &amp;gebouw ...</translation>
    </message>
    <message>
        <source>Ed&amp;it ...</source>
        <translation>Bewe&amp;rken ...</translation>
    </message>
    <message>
        <source>E&amp;xport ...</source>
        <translation>&amp;Exporteren ...</translation>
    </message>
    <message>
        <source>New &amp;platform ...</source>
        <translation>Nieuw &amp;perron ...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>New tree &quot;%1&quot;</source>
        <translation>Nieuwe boom &quot;%1&quot;</translation>
    </message>
    <message>
        <source>New building &quot;%1&quot;</source>
        <translation>Nieuw gebouw &quot;%1&quot;</translation>
    </message>
    <message>
        <source>New platform &quot;%1&quot;</source>
        <translation>Nieuw perron &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Edit tree &quot;%1&quot;</source>
        <translation>Boom &quot;%1&quot; bewerken</translation>
    </message>
    <message>
        <source>Edit building &quot;%1&quot;</source>
        <translation>Gebouw &quot;%1&quot; bewerken</translation>
    </message>
    <message>
        <source>Edit platform &quot;%1&quot;</source>
        <translation>Perron &quot;%1&quot; bewerken</translation>
    </message>
    <message>
        <source>Delete tree &quot;%1&quot;</source>
        <translation>Boom &quot;%1&quot; verwijderen</translation>
    </message>
    <message>
        <source>Delete building &quot;%1&quot;</source>
        <translation>Gebouw &quot;%1&quot; verwijderen</translation>
    </message>
    <message>
        <source>Delete platform &quot;%1&quot;</source>
        <translation>Perron &quot;%1&quot; verwijderen</translation>
    </message>
    <message>
        <source>Export and &amp;compile ...</source>
        <translation>Exporteren en &amp;compileren ...</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Dupliceren</translation>
    </message>
    <message>
        <source>Add a copy of the selected part under a new name</source>
        <translation>Een kopie van het gekozen onderdeel onder een nieuwe naam toevoegen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>Move the selected part to the clipboard</source>
        <translation>Het gekozen onderdeel naar het klembord verplaatsen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy the selected part to the clipboard</source>
        <translation>Het gekozen onderdeel naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>Add the part on the clipboard to the catalogue</source>
        <translation>Het onderdeel op het klembord aan de catalogus toevoegen</translation>
    </message>
    <message>
        <source>Duplicate &quot;%1&quot;</source>
        <translation>Dupliceren &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The clipboard holds no part that can be pasted.</source>
        <translation>Het klembord bevat geen onderdeel dat geplakt kan worden.</translation>
    </message>
    <message>
        <source>Paste &quot;%1&quot;</source>
        <translation>Plakken &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Edit address</source>
        <translation>Adres bewerken</translation>
    </message>
    <message>
        <source>Edit header</source>
        <translation>Kop bewerken</translation>
    </message>
    <message>
        <source>Export parts file</source>
        <translation>Onderdelenbestand exporteren</translation>
    </message>
    <message>
        <source>Winrail parts files (*.bdf)</source>
        <translation>Winrail-onderdelenbestanden (*.bdf)</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <source>Filter by name or catalogue number (%1)</source>
        <translation>Filteren op naam of catalogusnummer (%1)</translation>
    </message>
    <message>
        <source>Opened %1 with the desktop&apos;s program for parts files.</source>
        <translation>%1 geopend met het programma van het bureaublad voor onderdelenbestanden.</translation>
    </message>
    <message>
        <source>No program on this desktop opens %1. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Geen programma op dit bureaublad opent %1. Kies onder Opties, Algemene opties het programma dat onderdelenbestanden compileert.</translation>
    </message>
    <message>
        <source>Started %1 on %2.</source>
        <translation>%1 gestart voor %2.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Kon %1 niet starten: %2</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>gecrasht</translation>
    </message>
    <message>
        <source>exit %1</source>
        <translation>afsluitcode %1</translation>
    </message>
    <message>
        <source>%1 on %2 finished (%3).</source>
        <translation>%1 op %2 voltooid (%3).</translation>
    </message>
    <message>
        <source>%1 on %2 failed (%3).</source>
        <translation>%1 op %2 mislukt (%3).</translation>
    </message>
    <message>
        <source>%1 ended (%2). Its last lines:</source>
        <translation>%1 is geëindigd (%2). De laatste regels:</translation>
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
    <message>
        <source>Faults in the free texts, found by the last export:</source>
        <translation>Fouten in de vrije teksten, gevonden bij de laatste export:</translation>
    </message>
    <message>
        <source>Click a fault to select its part</source>
        <translation>Klik op een fout om het onderdeel te selecteren</translation>
    </message>
    <message>
        <source>Element %1, line %2: %3</source>
        <translation>Element %1, regel %2: %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, regel %2: %3</translation>
    </message>
    <message>
        <source>%1, element %2, line %3: %4</source>
        <translation>%1, element %2, regel %3: %4</translation>
    </message>
    <message>
        <source>The group&apos;s first point has no colour.</source>
        <translation>Het eerste punt van de groep heeft geen kleur.</translation>
    </message>
    <message>
        <source>The text is too large to be read whole; reading stopped here.</source>
        <translation>De tekst is te groot om helemaal te lezen; het lezen stopt hier.</translation>
    </message>
    <message>
        <source>Same scale for all parts</source>
        <translation>Dezelfde schaal voor alle onderdelen</translation>
    </message>
    <message>
        <source>Show every part at the scale of this one, so that their sizes compare</source>
        <translation>Elk onderdeel op de schaal van dit onderdeel tonen, zodat de maten te vergelijken zijn</translation>
    </message>
</context>
<context>
    <name>CPartsTableModel</name>
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
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Catalogue no</source>
        <translation>Catalogusnr.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
</context>
<context>
    <name>CPlatformDlg</name>
    <message>
        <source>Platform edit dialog</source>
        <translation>Perron bewerken</translation>
    </message>
    <message>
        <source>Additional free te&amp;xt</source>
        <translation>E&amp;xtra vrije tekst</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Kopgegevens</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>Om&amp;schrijving</translation>
    </message>
    <message>
        <source>C&amp;atalogue no</source>
        <translation>&amp;Catalogusnr.</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <source>Pr&amp;ice</source>
        <translation>Pri&amp;js</translation>
    </message>
    <message>
        <source>Parts per pac&amp;kage</source>
        <translation>Onderdelen per &amp;verpakking</translation>
    </message>
    <message>
        <source>Floor part</source>
        <translation>Vloer</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Lengte</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breedte</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <source>&amp;Top color</source>
        <translation>&amp;Kleur van de bovenkant</translation>
    </message>
    <message>
        <source>&amp;Side color</source>
        <translation>&amp;Zijkleur</translation>
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
        <source>No co&amp;ver</source>
        <translation>&amp;Geen overkapping</translation>
    </message>
    <message>
        <source>Cover properties</source>
        <translation>Eigenschappen van de overkapping</translation>
    </message>
    <message>
        <source>Pole hei&amp;ght</source>
        <translation>&amp;Paalhoogte</translation>
    </message>
    <message>
        <source>&amp;Roof height</source>
        <translation>Dakhoog&amp;te</translation>
    </message>
    <message>
        <source>&amp;Edge distance</source>
        <translation>A&amp;fstand tot de rand</translation>
    </message>
    <message>
        <source>Num&amp;ber of poles (one side)</source>
        <translation>Aantal palen (éé&amp;n zijde)</translation>
    </message>
    <message>
        <source>Roo&amp;f color</source>
        <translation>&amp;Dakkleur</translation>
    </message>
    <message>
        <source>Pole style</source>
        <translation>Paalvorm</translation>
    </message>
    <message>
        <source>Rou&amp;nd pole</source>
        <translation>&amp;Ronde paal</translation>
    </message>
    <message>
        <source>S&amp;quare pole</source>
        <translation>V&amp;ierkante paal</translation>
    </message>
    <message>
        <source>&amp;Pole color</source>
        <translation>Paalkle&amp;ur</translation>
    </message>
    <message>
        <source>Pole dia&amp;meter</source>
        <translation>Paaldia&amp;meter</translation>
    </message>
    <message>
        <source>Choose a cover type</source>
        <translation>Kies een overkapping</translation>
    </message>
    <message>
        <source>Length must be more than 0</source>
        <translation>De lengte moet groter dan 0 zijn</translation>
    </message>
    <message>
        <source>Width must be more than 0</source>
        <translation>De breedte moet groter dan 0 zijn</translation>
    </message>
    <message>
        <source>Height must be more than 0</source>
        <translation>De hoogte moet groter dan 0 zijn</translation>
    </message>
    <message>
        <source>Choose a pole style</source>
        <translation>Kies een paalvorm</translation>
    </message>
    <message>
        <source>Pole height must be more than 0</source>
        <translation>De paalhoogte moet groter dan 0 zijn</translation>
    </message>
    <message>
        <source>Pole diameter must be more than 0</source>
        <translation>De paaldiameter moet groter dan 0 zijn</translation>
    </message>
</context>
<context>
    <name>CPreviewCanvas</name>
    <message>
        <source>%1 in</source>
        <translation>%1 inch</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Too complex to draw whole: what lies furthest back is left out.</source>
        <translation>Te complex om geheel te tekenen: wat het verst naar achteren ligt, ontbreekt.</translation>
    </message>
    <message>
        <source>Grid %1</source>
        <translation>Raster %1</translation>
    </message>
    <message>
        <source>%1 × %2 × %3 in</source>
        <translation>%1 × %2 × %3 inch</translation>
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
        <translation>De catalogus wordt getekend...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Export catalogue as PDF</source>
        <translation>Catalogus als PDF exporteren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
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
        <translation>Catalogusblad</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Only the parts the table &amp;shows, in its order</source>
        <translation>Alleen de onderdelen die de tabel &amp;toont, in haar volgorde</translation>
    </message>
    <message>
        <source>&amp;Model scale (adds the real sizes):</source>
        <translation>&amp;Modelschaal (voegt de werkelijke maten toe):</translation>
    </message>
    <message>
        <source>a scale such as 1:87</source>
        <translation>een schaal zoals 1:87</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Scenery objects for Winrail</source>
        <translation>Landschapsobjecten voor Winrail</translation>
    </message>
</context>
<context>
    <name>CTreeDlg</name>
    <message>
        <source>Edit tree</source>
        <translation>Boom bewerken</translation>
    </message>
    <message>
        <source>Additional &amp;free text</source>
        <translation>Aanvullende vrije &amp;tekst</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>O&amp;mschrijving</translation>
    </message>
    <message>
        <source>Pr&amp;ice</source>
        <translation>&amp;Prijs</translation>
    </message>
    <message>
        <source>&amp;Parts per package</source>
        <translation>Onderdelen per &amp;verpakking</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <source>Tree type</source>
        <translation>Boomsoort</translation>
    </message>
    <message>
        <source>Needle &amp;leaved tree</source>
        <translation>&amp;Naaldboom</translation>
    </message>
    <message>
        <source>D&amp;eciduous tree</source>
        <translation>&amp;Loofboom</translation>
    </message>
    <message>
        <source>Trunk</source>
        <translation>Stam</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <source>Hei&amp;ght</source>
        <translation>Hoo&amp;gte</translation>
    </message>
    <message>
        <source>&amp;Radius</source>
        <translation>&amp;Straal</translation>
    </message>
    <message>
        <source>R&amp;adius</source>
        <translation>St&amp;raal</translation>
    </message>
    <message>
        <source>Trun&amp;k color</source>
        <translation>Stamkle&amp;ur</translation>
    </message>
    <message>
        <source>Catalogue &amp;no</source>
        <translation>&amp;Catalogusnr.</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Kruin</translation>
    </message>
    <message>
        <source>&amp;Top color</source>
        <translation>&amp;Kruinkleur</translation>
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
    <name>CompileCommand</name>
    <message>
        <source>The desktop opens %1 files as fonts. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Het bureaublad opent %1-bestanden als lettertypen. Kies onder Opties, Algemene opties het programma dat onderdelenbestanden compileert.</translation>
    </message>
    <message>
        <source>The compile command &quot;%1&quot; names no program.</source>
        <translation>De compileeropdracht &quot;%1&quot; noemt geen programma.</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 is niet gevonden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 bevat een ongeldig pad.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Toegang tot %1 is geweigerd.</translation>
    </message>
    <message>
        <source>Sharing violation while accessing %1.</source>
        <translation>Schending van gedeeld gebruik bij toegang tot %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Schijf vol bij toegang tot %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Er werd geprobeerd %1 voorbij het einde te lezen.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 is alleen-lezen.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder cannot be written to.</source>
        <translation>%1 kan niet worden geschreven: er kan niet in de map worden geschreven.</translation>
    </message>
    <message>
        <source>%1 is too large to be read.</source>
        <translation>%1 is te groot om te lezen.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 is een koppeling naar een bestand dat niet bestaat.</translation>
    </message>
    <message>
        <source>%1 has several names (hard links) and is not replaced, so that they keep sharing one content. Please save under another name.</source>
        <translation>%1 heeft meerdere namen (harde koppelingen) en wordt niet vervangen, zodat ze één inhoud blijven delen. Sla op onder een andere naam.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 is een map, geen bestand.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Er is een onverwachte fout opgetreden bij toegang tot %1.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Onverwachte bestandsindeling.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Het document kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Het document kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The parts file would be larger than 2 GB. Please check the sizes and counts of the parts.</source>
        <translation>Het onderdelenbestand zou groter worden dan 2 GB. Controleer de maten en aantallen van de onderdelen.</translation>
    </message>
    <message>
        <source>The 3D model is larger than the 4 GB a glTF binary file can hold.</source>
        <translation>Het 3D-model is groter dan de 4 GB die een binair glTF-bestand kan bevatten.</translation>
    </message>
    <message>
        <source>%1: a 3D model is written as .glb or .obj; please name the file so.</source>
        <translation>%1: een 3D-model wordt geschreven als .glb of .obj; geef het bestand zo&apos;n naam.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder does not exist.</source>
        <translation>%1 kan niet worden geschreven: de map bestaat niet.</translation>
    </message>
</context>
</TS>
