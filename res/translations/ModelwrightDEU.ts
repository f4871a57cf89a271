<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Modelwright Version 2.0</source>
        <translation>Modelwright Version 2.0</translation>
    </message>
    <message>
        <source>The Modelwright developers</source>
        <translation>Die Modelwright-Entwickler</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>About Modelwright</source>
        <translation>Über Modelwright</translation>
    </message>
    <message>
        <source>Modelwright</source>
        <translation>Modelwright</translation>
    </message>
    <message>
        <source>version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>CBuildingDlg</name>
    <message>
        <source>Building edit dialog</source>
        <translation>Gebäude bearbeiten</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>P&amp;rice</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>&amp;Parts per package</source>
        <translation>&amp;Teile pro Packung</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>C&amp;atalogue no</source>
        <translation>&amp;Katalognummer</translation>
    </message>
    <message>
        <source>&amp;Building elements</source>
        <translation>&amp;Gebäudeteile</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Neu ...</translation>
    </message>
    <message>
        <source>&amp;Edit ...</source>
        <translation>Bea&amp;rbeiten ...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Free text after last element</source>
        <translation>&amp;Freier Text nach dem letzten Teil</translation>
    </message>
</context>
<context>
    <name>CBuildingElementDlg</name>
    <message>
        <source>Ridge roof</source>
        <translation>Satteldach</translation>
    </message>
    <message>
        <source>Roof with sloping sides and a flat top</source>
        <translation>Dach mit schrägen Seiten und flacher Oberseite</translation>
    </message>
    <message>
        <source>Single-slope roof</source>
        <translation>Pultdach</translation>
    </message>
    <message>
        <source>Building element</source>
        <translation>Gebäudeteil</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>Be&amp;schreibung</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>Höh&amp;e</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
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
        <translation>&amp;Tiefe</translation>
    </message>
    <message>
        <source>&amp;Block color</source>
        <translation>Blo&amp;ckfarbe</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Dach</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <translation>&amp;Winkel</translation>
    </message>
    <message>
        <source>&amp;Roof color</source>
        <translation>&amp;Dachfarbe</translation>
    </message>
    <message>
        <source>Roof type</source>
        <translation>Dachform</translation>
    </message>
    <message>
        <source>No roo&amp;f</source>
        <translation>&amp;Kein Dach</translation>
    </message>
    <message>
        <source>Roof orientation</source>
        <translation>Dachausrichtung</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Position des Teils</translation>
    </message>
    <message>
        <source>Lower left corner of block:</source>
        <translation>Linke untere Ecke des Blocks:</translation>
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
        <translation>Türen &amp;und Fenster</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Neu ...</translation>
    </message>
    <message>
        <source>&amp;Edit  ...</source>
        <translation>Bea&amp;rbeiten ...</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Choose a roof type</source>
        <translation>Dachform wählen</translation>
    </message>
    <message>
        <source>Choose a roof orientation</source>
        <translation>Dachausrichtung wählen</translation>
    </message>
    <message>
        <source>Block height must not be 0</source>
        <translation>Die Blockhöhe darf nicht 0 sein</translation>
    </message>
    <message>
        <source>Block width must not be 0</source>
        <translation>Die Blockbreite darf nicht 0 sein</translation>
    </message>
    <message>
        <source>Block depth must not be 0</source>
        <translation>Die Blocktiefe darf nicht 0 sein</translation>
    </message>
    <message>
        <source>Free additional &amp;text</source>
        <translation>&amp;Freier zusätzlicher Text</translation>
    </message>
    <message>
        <source>Hipped roof</source>
        <translation>Walmdach</translation>
    </message>
    <message>
        <source>Half-hipped roof</source>
        <translation>Krüppelwalmdach</translation>
    </message>
    <message>
        <source>Hipped roof with a flat top</source>
        <translation>Walmdach mit flacher Oberseite</translation>
    </message>
</context>
<context>
    <name>CCatalogueSheet</name>
    <message>
        <source>Phone: %1</source>
        <translation>Telefon: %1</translation>
    </message>
    <message>
        <source>Fax: %1</source>
        <translation>Fax: %1</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>the locale whose numbers and dates the sheet shows</comment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>price and currency</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Kind: %1</source>
        <translation>Art: %1</translation>
    </message>
    <message>
        <source>Catalogue number: %1</source>
        <translation>Katalognummer: %1</translation>
    </message>
    <message>
        <source>Price: %1</source>
        <translation>Preis: %1</translation>
    </message>
    <message>
        <source>Parts per package: %1</source>
        <translation>Teile pro Packung: %1</translation>
    </message>
    <message>
        <source>Size (W %1 D %1 H): %2</source>
        <translation>Größe (B %1 T %1 H): %2</translation>
    </message>
    <message>
        <source>Real size at %1: %2</source>
        <translation>Wahre Größe bei %1: %2</translation>
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
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Prices in %1</source>
        <translation>Preise in %1</translation>
    </message>
    <message>
        <source>Model scale %1</source>
        <translation>Modellmaßstab %1</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Representative</source>
        <translation>Vertretung</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The part is too large to draw.</source>
        <translation>Das Teil ist zu groß zum Zeichnen.</translation>
    </message>
    <message>
        <source>Index of catalogue numbers</source>
        <translation>Verzeichnis der Katalognummern</translation>
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
        <translation>Weitere Farben...</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Dark Olive Green</source>
        <translation>Dunkles Olivgrün</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Dunkles Blaugrün</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark yellow</source>
        <translation>Dunkelgelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue-grey</source>
        <translation>Blaugrau</translation>
    </message>
    <message>
        <source>Grey - 40</source>
        <translation>Grau - 40</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Light orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limone</translation>
    </message>
    <message>
        <source>Sea green</source>
        <translation>Meergrün</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Grey - 50</source>
        <translation>Grau - 50</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Hellbraun</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <source>Pale turquoise</source>
        <translation>Blasstürkis</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Blassblau</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>CDecorationDlg</name>
    <message>
        <source>&amp;1 window</source>
        <translation>&amp;1 Fenster</translation>
    </message>
    <message>
        <source>&amp;2 windows</source>
        <translation>&amp;2 Fenster</translation>
    </message>
    <message>
        <source>&amp;4 windows</source>
        <translation>&amp;4 Fenster</translation>
    </message>
    <message>
        <source>&amp;6 windows</source>
        <translation>&amp;6 Fenster</translation>
    </message>
    <message>
        <source>&amp;8 windows</source>
        <translation>&amp;8 Fenster</translation>
    </message>
    <message>
        <source>Decorations edit dialog</source>
        <translation>Türen und Fenster bearbeiten</translation>
    </message>
    <message>
        <source>D&amp;escription</source>
        <translation>Bes&amp;chreibung</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Position relative to lower left corner of the wall</source>
        <translation>Position relativ zur linken unteren Ecke der Wand</translation>
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
        <translation>Größe</translation>
    </message>
    <message>
        <source>Wid&amp;th</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>Which wall?</source>
        <translation>Welche Wand?</translation>
    </message>
    <message>
        <source>Choose a wall</source>
        <translation>Wand wählen</translation>
    </message>
    <message>
        <source>Choose a main type</source>
        <translation>Grundform wählen</translation>
    </message>
    <message>
        <source>Choose a subtype</source>
        <translation>Untertyp wählen</translation>
    </message>
    <message>
        <source>Width must not be 0</source>
        <translation>Die Breite darf nicht 0 sein</translation>
    </message>
    <message>
        <source>Height must not be 0</source>
        <translation>Die Höhe darf nicht 0 sein</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>&amp;Vorne</translation>
    </message>
    <message>
        <source>&amp;Rear</source>
        <translation>Hi&amp;nten</translation>
    </message>
    <message>
        <source>&amp;Left side</source>
        <translation>&amp;Linke Seite</translation>
    </message>
    <message>
        <source>Right &amp;side</source>
        <translation>Rechte &amp;Seite</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>&amp;Main color</source>
        <translation>Ha&amp;uptfarbe</translation>
    </message>
    <message>
        <source>&amp;Inner color</source>
        <translation>&amp;Innenfarbe</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Main type</source>
        <translation>Grundform</translation>
    </message>
    <message>
        <source>&amp;Base A</source>
        <translation>&amp;Form A</translation>
    </message>
    <message>
        <source>B&amp;ase B</source>
        <translation>For&amp;m B</translation>
    </message>
    <message>
        <source>Subtype</source>
        <translation>Untertyp</translation>
    </message>
    <message>
        <source>&amp;Door</source>
        <translation>&amp;Tür</translation>
    </message>
    <message>
        <source>Door with wi&amp;ndow</source>
        <translation>Tü&amp;r mit Fenster</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>F&amp;enster</translation>
    </message>
    <message>
        <source>Window count</source>
        <translation>Anzahl Fenster</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>CGeneralOptions</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
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
        <translation>Allgemeine Optionen</translation>
    </message>
    <message>
        <source>&amp;Select language</source>
        <translation>Sprache wä&amp;hlen</translation>
    </message>
    <message>
        <source>&amp;Winrail version </source>
        <translation>Winrail-&amp;Version </translation>
    </message>
    <message>
        <source>&amp;Use hexahedron instead of Hexaedron (bug fix)</source>
        <translation>Hexahedron statt Hexaedron verwenden (&amp;Fehlerbehebung)</translation>
    </message>
    <message>
        <source>&amp;Keep unsaved changes for recovery every</source>
        <translation>Ungespeicherte Änderungen zur &amp;Wiederherstellung sichern alle</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Keep the previous version as a &amp;backup (.bak) when saving</source>
        <translation>Beim Speichern die vorige Fassung als &amp;Sicherung (.bak) behalten</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Co&amp;mpile command</source>
        <translation>&amp;Kompilierbefehl</translation>
    </message>
    <message>
        <source>Run by &quot;Export and compile&quot; on the parts file; %f stands for the file. Empty: the desktop&apos;s program for parts files.</source>
        <translation>Wird von „Exportieren und kompilieren“ mit der Teiledatei gestartet; %f steht für die Datei. Leer: das Programm des Desktops für Teiledateien.</translation>
    </message>
</context>
<context>
    <name>CHeaderDlg</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Street+nr</source>
        <translation>Straße+Nr.</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Edit header</source>
        <translation>Kopfdaten bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>A&amp;utor</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>C&amp;urrency</source>
        <translation>&amp;Währung</translation>
    </message>
    <message>
        <source>Edit &amp;manufacturer ...</source>
        <translation>&amp;Hersteller bearbeiten ...</translation>
    </message>
    <message>
        <source>Edit &amp;representative ...</source>
        <translation>V&amp;ertretung bearbeiten ...</translation>
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
        <translation>Die Hilfedatei wurde nicht gefunden. Bitte installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Modelwright Help</source>
        <translation>Modelwright-Hilfe</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <comment>Caps Lock is on</comment>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>Num Lock is on</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <comment>Scroll Lock is on</comment>
        <translation>RF</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start a new catalogue</source>
        <translation>Einen neuen Katalog beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a catalogue file</source>
        <translation>Eine Katalogdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the catalogue</source>
        <translation>Den Katalog speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the catalogue under a new name</source>
        <translation>Den Katalog unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Druc&amp;ken...</translation>
    </message>
    <message>
        <source>Print the catalogue</source>
        <translation>Den Katalog drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>Die gedruckten Seiten zeigen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Choose the printer and the page</source>
        <translation>Drucker und Seite wählen</translation>
    </message>
    <message>
        <source>Sen&amp;d...</source>
        <translation>Sen&amp;den...</translation>
    </message>
    <message>
        <source>Send the catalogue file by mail</source>
        <translation>Die Katalogdatei per E-Mail senden</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open a recently used catalogue</source>
        <translation>Einen zuletzt benutzten Katalog öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changes</source>
        <translation>Das Programm beenden; fragt nach dem Speichern von Änderungen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>P&amp;art</source>
        <translation>&amp;Teil</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste zeigen oder verbergen</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste zeigen oder verbergen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Choose the language, the Winrail version and the hexahedron keyword</source>
        <translation>Sprache, Winrail-Version und Hexaeder-Schlüsselwort wählen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Show the contents of the help</source>
        <translation>Das Inhaltsverzeichnis der Hilfe zeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Show the help on the active window</source>
        <translation>Die Hilfe zum aktiven Fenster zeigen</translation>
    </message>
    <message>
        <source>Context help</source>
        <translation>Kontexthilfe</translation>
    </message>
    <message>
        <source>Show the help on the next window clicked</source>
        <translation>Die Hilfe zum nächsten angeklickten Fenster zeigen</translation>
    </message>
    <message>
        <source>&amp;About Modelwright...</source>
        <translation>&amp;Über Modelwright...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and copyright</source>
        <translation>Version und Copyright des Programms zeigen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung wieder ausführen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Exported one part to %1</source>
        <translation>Ein Teil nach %1 exportiert</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n parts to %1</source>
        <translation>
            <numerusform>%n Teil nach %1 exportiert</numerusform>
            <numerusform>%n Teile nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>The free texts have one fault, listed under the preview.</source>
        <translation>Die freien Texte haben einen Fehler, unter der Vorschau aufgeführt.</translation>
    </message>
    <message numerus="yes">
        <source>The free texts have %n faults, listed under the preview.</source>
        <translation>
            <numerusform>Die freien Texte haben %n Fehler, unter der Vorschau aufgeführt.</numerusform>
            <numerusform>Die freien Texte haben %n Fehler, unter der Vorschau aufgeführt.</numerusform>
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
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Save the catalogue under another name?</source>
        <translation>Den Katalog unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Winrail Object Files (*.wo3)</source>
        <translation>Winrail-Objektdateien (*.wo3)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The catalogue was saved, but its previous version could not be kept as %1.
%2</source>
        <translation>Der Katalog wurde gespeichert, aber seine vorige Fassung konnte nicht als %1 aufbewahrt werden.
%2</translation>
    </message>
    <message>
        <source>Open this catalogue</source>
        <translation>Diesen Katalog öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be printed: the printer &quot;%2&quot; is not available.</source>
        <translation>%1 kann nicht gedruckt werden: Der Drucker „%2“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>%1 cannot be printed: no printer is available.</source>
        <translation>%1 kann nicht gedruckt werden: Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>%1 cannot be printed: no printer is chosen as the default.</source>
        <translation>%1 kann nicht gedruckt werden: Es ist kein Standarddrucker festgelegt.</translation>
    </message>
    <message>
        <source>Failed to send mail.</source>
        <translation>Die E-Mail konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Export 3D &amp;model...</source>
        <translation>3D-&amp;Modell exportieren...</translation>
    </message>
    <message>
        <source>Write the selected part or all parts as a 3D model for other programs (glTF or OBJ)</source>
        <translation>Das gewählte Teil oder alle Teile als 3D-Modell für andere Programme schreiben (glTF oder OBJ)</translation>
    </message>
    <message>
        <source>Export 3D model</source>
        <translation>3D-Modell exportieren</translation>
    </message>
    <message>
        <source>Export the selected part &quot;%1&quot; or all %2 parts of the catalogue?</source>
        <translation>Das gewählte Teil „%1“ oder alle %2 Teile des Katalogs exportieren?</translation>
    </message>
    <message>
        <source>&amp;Selected part</source>
        <translation>&amp;Gewähltes Teil</translation>
    </message>
    <message>
        <source>&amp;All parts</source>
        <translation>A&amp;lle Teile</translation>
    </message>
    <message>
        <source>glTF binary (*.glb)</source>
        <translation>glTF binär (*.glb)</translation>
    </message>
    <message>
        <source>Wavefront OBJ (*.obj)</source>
        <translation>Wavefront OBJ (*.obj)</translation>
    </message>
    <message>
        <source>The catalogue has no parts to export.</source>
        <translation>Der Katalog hat keine Teile zum Exportieren.</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Export &amp;catalogue as PDF...</source>
        <translation>Katalog als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Write the illustrated catalogue sheet as a PDF file to hand out</source>
        <translation>Den bebilderten Katalog als PDF-Datei zum Weitergeben schreiben</translation>
    </message>
    <message>
        <source>%1: the PDF file to write is missing; give it after the catalogue.</source>
        <translation>%1: Die zu schreibende PDF-Datei fehlt; geben Sie sie nach dem Katalog an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no model scale; write it as 1:87.</source>
        <translation>„%1“ ist kein Modellmaßstab; schreiben Sie ihn als 1:87.</translation>
    </message>
    <message>
        <source>%1 is already open in another Modelwright window.</source>
        <translation>%1 ist bereits in einem anderen Modelwright-Fenster geöffnet.</translation>
    </message>
    <message>
        <source>Editing it here as well would make two versions of it, each saved over the other.</source>
        <translation>Es auch hier zu bearbeiten, ergäbe zwei Fassungen, die sich beim Speichern gegenseitig überschreiben.</translation>
    </message>
    <message>
        <source>&amp;Switch to It</source>
        <translation>&amp;Dorthin wechseln</translation>
    </message>
    <message>
        <source>%1 was changed by another program at %2, after it was opened or saved here. Saving replaces those changes with yours.</source>
        <translation>%1 wurde um %2 von einem anderen Programm geändert, nachdem die Datei hier geöffnet oder gespeichert wurde. Speichern ersetzt jene Änderungen durch Ihre.</translation>
    </message>
    <message>
        <source>Reload opens the file as it is now and lets your unsaved changes go.</source>
        <translation>Neu laden öffnet die Datei, wie sie jetzt ist, und verwirft Ihre ungesicherten Änderungen.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>%1 is open in another Modelwright window. Close it there, or save under another name.</source>
        <translation>%1 ist in einem anderen Modelwright-Fenster geöffnet. Schließen Sie die Datei dort oder speichern Sie unter einem anderen Namen.</translation>
    </message>
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <source>Edit manufacturer</source>
        <translation>Hersteller bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Street+nr</source>
        <translation>&amp;Straße+Nr.</translation>
    </message>
    <message>
        <source>&amp;ZIP code</source>
        <translation>&amp;Postleitzahl</translation>
    </message>
    <message>
        <source>&amp;Town</source>
        <translation>O&amp;rt</translation>
    </message>
    <message>
        <source>Co&amp;untry</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>&amp;Phone</source>
        <translation>&amp;Telefon</translation>
    </message>
    <message>
        <source>&amp;Fax</source>
        <translation>&amp;Fax</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
</context>
<context>
    <name>CModelwrightApp</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <source>Recover the unsaved changes of %1 from %2?</source>
        <translation>Die ungespeicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>CModelwrightView</name>
    <message>
        <source>Edi&amp;t header ...</source>
        <translation>&amp;Kopfdaten bearbeiten ...</translation>
    </message>
    <message>
        <source>&amp;Delete ...</source>
        <translation>&amp;Löschen ...</translation>
    </message>
    <message>
        <source>&amp;New tree ...</source>
        <translation>&amp;Neuer Baum ...</translation>
    </message>
    <message>
        <source>New &amp;building ...</source>
        <translation>Neues &amp;Gebäude ...</translation>
    </message>
    <message>
        <source>Ed&amp;it ...</source>
        <translation>Bea&amp;rbeiten ...</translation>
    </message>
    <message>
        <source>E&amp;xport ...</source>
        <translation>E&amp;xportieren ...</translation>
    </message>
    <message>
        <source>New &amp;platform ...</source>
        <translation>Ne&amp;uer Bahnsteig ...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>New tree &quot;%1&quot;</source>
        <translation>Neuer Baum „%1“</translation>
    </message>
    <message>
        <source>New building &quot;%1&quot;</source>
        <translation>Neues Gebäude „%1“</translation>
    </message>
    <message>
        <source>New platform &quot;%1&quot;</source>
        <translation>Neuer Bahnsteig „%1“</translation>
    </message>
    <message>
        <source>Edit tree &quot;%1&quot;</source>
        <translation>Baum „%1“ bearbeiten</translation>
    </message>
    <message>
        <source>Edit building &quot;%1&quot;</source>
        <translation>Gebäude „%1“ bearbeiten</translation>
    </message>
    <message>
        <source>Edit platform &quot;%1&quot;</source>
        <translation>Bahnsteig „%1“ bearbeiten</translation>
    </message>
    <message>
        <source>Delete tree &quot;%1&quot;</source>
        <translation>Baum „%1“ löschen</translation>
    </message>
    <message>
        <source>Delete building &quot;%1&quot;</source>
        <translation>Gebäude „%1“ löschen</translation>
    </message>
    <message>
        <source>Delete platform &quot;%1&quot;</source>
        <translation>Bahnsteig „%1“ löschen</translation>
    </message>
    <message>
        <source>Export and &amp;compile ...</source>
        <translation>&amp;Exportieren und kompilieren ...</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Add a copy of the selected part under a new name</source>
        <translation>Eine Kopie des gewählten Teils unter einem neuen Namen hinzufügen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Move the selected part to the clipboard</source>
        <translation>Das gewählte Teil in die Zwischenablage verschieben</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected part to the clipboard</source>
        <translation>Das gewählte Teil in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Add the part on the clipboard to the catalogue</source>
        <translation>Das Teil aus der Zwischenablage dem Katalog hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate &quot;%1&quot;</source>
        <translation>Duplizieren „%1“</translation>
    </message>
    <message>
        <source>The clipboard holds no part that can be pasted.</source>
        <translation>Die Zwischenablage enthält kein Teil, das eingefügt werden kann.</translation>
    </message>
    <message>
        <source>Paste &quot;%1&quot;</source>
        <translation>Einfügen „%1“</translation>
    </message>
    <message>
        <source>Edit address</source>
        <translation>Adresse bearbeiten</translation>
    </message>
    <message>
        <source>Edit header</source>
        <translation>Kopfdaten bearbeiten</translation>
    </message>
    <message>
        <source>Export parts file</source>
        <translation>Teiledatei exportieren</translation>
    </message>
    <message>
        <source>Winrail parts files (*.bdf)</source>
        <translation>Winrail-Teiledateien (*.bdf)</translation>
    </message>
    <message>
        <source>Winrail Modelwright</source>
        <translation>Winrail Modelwright</translation>
    </message>
    <message>
        <source>Filter by name or catalogue number (%1)</source>
        <translation>Nach Name oder Katalognummer filtern (%1)</translation>
    </message>
    <message>
        <source>Opened %1 with the desktop&apos;s program for parts files.</source>
        <translation>%1 mit dem Programm des Desktops für Teiledateien geöffnet.</translation>
    </message>
    <message>
        <source>No program on this desktop opens %1. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Kein Programm dieses Desktops öffnet %1. Wählen Sie unter Optionen, Allgemeine Optionen das Programm, das Teiledateien kompiliert.</translation>
    </message>
    <message>
        <source>Started %1 on %2.</source>
        <translation>%1 für %2 gestartet.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>abgestürzt</translation>
    </message>
    <message>
        <source>exit %1</source>
        <translation>Exit-Status %1</translation>
    </message>
    <message>
        <source>%1 on %2 finished (%3).</source>
        <translation>%1 auf %2 beendet (%3).</translation>
    </message>
    <message>
        <source>%1 on %2 failed (%3).</source>
        <translation>%1 auf %2 fehlgeschlagen (%3).</translation>
    </message>
    <message>
        <source>%1 ended (%2). Its last lines:</source>
        <translation>%1 endete (%2). Die letzten Zeilen:</translation>
    </message>
</context>
<context>
    <name>COptionsPropertySheet</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>CPartPreview</name>
    <message>
        <source>Unknown keyword &quot;%1&quot;.</source>
        <translation>Unbekanntes Schlüsselwort „%1“.</translation>
    </message>
    <message>
        <source>Numbers are missing on this line.</source>
        <translation>In dieser Zeile fehlen Zahlen.</translation>
    </message>
    <message>
        <source>Text after the last number is ignored.</source>
        <translation>Text nach der letzten Zahl wird übergangen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>„%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation>Die Zahl %1 ist zu groß.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour ($ and six hexadecimal digits).</source>
        <translation>„%1“ ist keine Farbe ($ und sechs Hexadezimalziffern).</translation>
    </message>
    <message>
        <source>The 3D group has no End3D line.</source>
        <translation>Der 3D-Gruppe fehlt die Zeile End3D.</translation>
    </message>
    <message>
        <source>The group&apos;s points do not make whole shapes.</source>
        <translation>Die Punkte der Gruppe ergeben keine ganzen Formen.</translation>
    </message>
    <message>
        <source>The solid has no Center line and is not drawn.</source>
        <translation>Dem Körper fehlt die Center-Zeile; er wird nicht gezeichnet.</translation>
    </message>
    <message>
        <source>This line does not belong here.</source>
        <translation>Diese Zeile gehört nicht hierher.</translation>
    </message>
    <message>
        <source>The part&apos;s line needs its number and name in double quotes.</source>
        <translation>Die Zeile des Teils braucht Nummer und Namen in doppelten Anführungszeichen.</translation>
    </message>
    <message>
        <source>The part has no End line.</source>
        <translation>Dem Teil fehlt die End-Zeile.</translation>
    </message>
    <message>
        <source>Text stands outside a part.</source>
        <translation>Text steht außerhalb eines Teils.</translation>
    </message>
    <message>
        <source>The header has no End line.</source>
        <translation>Dem Kopf fehlt die End-Zeile.</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Three-dimensional view; drag to turn it (3)</source>
        <translation>Räumliche Ansicht; zum Drehen ziehen (3)</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>The part as the track plan shows it (P)</source>
        <translation>Das Teil, wie der Gleisplan es zeigt (P)</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Seen from the front (F)</source>
        <translation>Von vorne gesehen (F)</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Seen from the right side (S)</source>
        <translation>Von rechts gesehen (S)</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Seen from above (T)</source>
        <translation>Von oben gesehen (T)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Show the whole part (Home, or double-click the picture)</source>
        <translation>Das ganze Teil zeigen (Pos1 oder Doppelklick auf das Bild)</translation>
    </message>
    <message>
        <source>This part is too large to show.</source>
        <translation>Dieses Teil ist zu groß, um es zu zeigen.</translation>
    </message>
    <message>
        <source>Select a part to see it here.</source>
        <translation>Wählen Sie ein Teil, um es hier zu sehen.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Free text, line %1: %2</source>
        <translation>Freier Text, Zeile %1: %2</translation>
    </message>
    <message>
        <source>Faults in the free texts, found by the last export:</source>
        <translation>Fehler in den freien Texten, beim letzten Export gefunden:</translation>
    </message>
    <message>
        <source>Click a fault to select its part</source>
        <translation>Klicken Sie auf einen Fehler, um sein Teil zu wählen</translation>
    </message>
    <message>
        <source>Element %1, line %2: %3</source>
        <translation>Element %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1, element %2, line %3: %4</source>
        <translation>%1, Element %2, Zeile %3: %4</translation>
    </message>
    <message>
        <source>The group&apos;s first point has no colour.</source>
        <translation>Der erste Punkt der Gruppe hat keine Farbe.</translation>
    </message>
    <message>
        <source>The text is too large to be read whole; reading stopped here.</source>
        <translation>Der Text ist zu groß, um ganz gelesen zu werden; das Lesen endet hier.</translation>
    </message>
    <message>
        <source>Same scale for all parts</source>
        <translation>Gleicher Maßstab für alle Teile</translation>
    </message>
    <message>
        <source>Show every part at the scale of this one, so that their sizes compare</source>
        <translation>Jedes Teil im Maßstab dieses Teils zeigen, damit sich die Größen vergleichen lassen</translation>
    </message>
</context>
<context>
    <name>CPartsTableModel</name>
    <message>
        <source>Tree</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Bahnsteig</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Catalogue no</source>
        <translation>Katalognr.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
</context>
<context>
    <name>CPlatformDlg</name>
    <message>
        <source>Platform edit dialog</source>
        <translation>Bahnsteig bearbeiten</translation>
    </message>
    <message>
        <source>Additional free te&amp;xt</source>
        <translation>&amp;Weiterer freier Text</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>C&amp;atalogue no</source>
        <translation>Katalo&amp;gnummer</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>Pr&amp;ice</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>Parts per pac&amp;kage</source>
        <translation>&amp;Teile pro Packung</translation>
    </message>
    <message>
        <source>Floor part</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>Bre&amp;ite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>&amp;Top color</source>
        <translation>&amp;Farbe der Oberseite</translation>
    </message>
    <message>
        <source>&amp;Side color</source>
        <translation>&amp;Seitenfarbe</translation>
    </message>
    <message>
        <source>Pitched roof on poles along both edges</source>
        <translation>Satteldach auf Stützen an beiden Kanten</translation>
    </message>
    <message>
        <source>V-shaped roof on one middle row of poles</source>
        <translation>V-Dach auf einer mittleren Stützenreihe</translation>
    </message>
    <message>
        <source>Arched roof on poles along both edges</source>
        <translation>Bogendach auf Stützen an beiden Kanten</translation>
    </message>
    <message>
        <source>Single-pitch roof on poles along both edges</source>
        <translation>Pultdach auf Stützen an beiden Kanten</translation>
    </message>
    <message>
        <source>Cover type</source>
        <translation>Überdachung</translation>
    </message>
    <message>
        <source>No co&amp;ver</source>
        <translation>&amp;Keine Überdachung</translation>
    </message>
    <message>
        <source>Cover properties</source>
        <translation>Eigenschaften der Überdachung</translation>
    </message>
    <message>
        <source>Pole hei&amp;ght</source>
        <translation>Stüt&amp;zenhöhe</translation>
    </message>
    <message>
        <source>&amp;Roof height</source>
        <translation>&amp;Dachhöhe</translation>
    </message>
    <message>
        <source>&amp;Edge distance</source>
        <translation>&amp;Randabstand</translation>
    </message>
    <message>
        <source>Num&amp;ber of poles (one side)</source>
        <translation>Anzahl der Stützen &amp;je Seite</translation>
    </message>
    <message>
        <source>Roo&amp;f color</source>
        <translation>Da&amp;chfarbe</translation>
    </message>
    <message>
        <source>Pole style</source>
        <translation>Stützenform</translation>
    </message>
    <message>
        <source>Rou&amp;nd pole</source>
        <translation>R&amp;unde Stütze</translation>
    </message>
    <message>
        <source>S&amp;quare pole</source>
        <translation>&amp;Vierkantige Stütze</translation>
    </message>
    <message>
        <source>&amp;Pole color</source>
        <translation>Stütze&amp;nfarbe</translation>
    </message>
    <message>
        <source>Pole dia&amp;meter</source>
        <translation>Stützendurch&amp;messer</translation>
    </message>
    <message>
        <source>Choose a cover type</source>
        <translation>Überdachung wählen</translation>
    </message>
    <message>
        <source>Length must be more than 0</source>
        <translation>Die Länge muss größer als 0 sein</translation>
    </message>
    <message>
        <source>Width must be more than 0</source>
        <translation>Die Breite muss größer als 0 sein</translation>
    </message>
    <message>
        <source>Height must be more than 0</source>
        <translation>Die Höhe muss größer als 0 sein</translation>
    </message>
    <message>
        <source>Choose a pole style</source>
        <translation>Stützenform wählen</translation>
    </message>
    <message>
        <source>Pole height must be more than 0</source>
        <translation>Die Stützenhöhe muss größer als 0 sein</translation>
    </message>
    <message>
        <source>Pole diameter must be more than 0</source>
        <translation>Der Stützendurchmesser muss größer als 0 sein</translation>
    </message>
</context>
<context>
    <name>CPreviewCanvas</name>
    <message>
        <source>%1 in</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Too complex to draw whole: what lies furthest back is left out.</source>
        <translation>Zu aufwendig, um es ganz zu zeichnen: Was am weitesten hinten liegt, fehlt.</translation>
    </message>
    <message>
        <source>Grid %1</source>
        <translation>Raster %1</translation>
    </message>
    <message>
        <source>%1 × %2 × %3 in</source>
        <translation>%1 × %2 × %3 Zoll</translation>
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
        <translation>Der Katalog wird gezeichnet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export catalogue as PDF</source>
        <translation>Katalog als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
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
        <translation>Katalogblatt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Only the parts the table &amp;shows, in its order</source>
        <translation>Nur die Teile, die die Tabelle &amp;zeigt, in ihrer Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;Model scale (adds the real sizes):</source>
        <translation>&amp;Modellmaßstab (fügt die wahren Größen hinzu):</translation>
    </message>
    <message>
        <source>a scale such as 1:87</source>
        <translation>einen Maßstab wie 1:87</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Scenery objects for Winrail</source>
        <translation>Landschaftsobjekte für Winrail</translation>
    </message>
</context>
<context>
    <name>CTreeDlg</name>
    <message>
        <source>Edit tree</source>
        <translation>Baum bearbeiten</translation>
    </message>
    <message>
        <source>Additional &amp;free text</source>
        <translation>&amp;Zusätzlicher freier Text</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>Pr&amp;ice</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>&amp;Parts per package</source>
        <translation>&amp;Teile pro Packung</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>E&amp;inheiten</translation>
    </message>
    <message>
        <source>Tree type</source>
        <translation>Baumart</translation>
    </message>
    <message>
        <source>Needle &amp;leaved tree</source>
        <translation>&amp;Nadelbaum</translation>
    </message>
    <message>
        <source>D&amp;eciduous tree</source>
        <translation>&amp;Laubbaum</translation>
    </message>
    <message>
        <source>Trunk</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>Hei&amp;ght</source>
        <translation>Höh&amp;e</translation>
    </message>
    <message>
        <source>&amp;Radius</source>
        <translation>&amp;Radius</translation>
    </message>
    <message>
        <source>R&amp;adius</source>
        <translation>Ra&amp;dius</translation>
    </message>
    <message>
        <source>Trun&amp;k color</source>
        <translation>&amp;Stammfarbe</translation>
    </message>
    <message>
        <source>Catalogue &amp;no</source>
        <translation>&amp;Katalognummer</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>&amp;Top color</source>
        <translation>Kronen&amp;farbe</translation>
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
        <translation>Zoll</translation>
    </message>
</context>
<context>
    <name>CompileCommand</name>
    <message>
        <source>The desktop opens %1 files as fonts. Choose the program that compiles parts files under Options, General options.</source>
        <translation>Der Desktop öffnet %1-Dateien als Schriften. Wählen Sie unter Optionen, Allgemeine Optionen das Programm, das Teiledateien kompiliert.</translation>
    </message>
    <message>
        <source>The compile command &quot;%1&quot; names no program.</source>
        <translation>Der Kompilierbefehl „%1“ nennt kein Programm.</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>Sharing violation while accessing %1.</source>
        <translation>Freigabeverletzung beim Zugriff auf %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger ist voll beim Zugriff auf %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder cannot be written to.</source>
        <translation>%1 kann nicht geschrieben werden: In seinen Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is too large to be read.</source>
        <translation>%1 ist zu groß, um gelesen zu werden.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 ist eine Verknüpfung auf eine Datei, die es nicht gibt.</translation>
    </message>
    <message>
        <source>%1 has several names (hard links) and is not replaced, so that they keep sharing one content. Please save under another name.</source>
        <translation>%1 hat mehrere Namen (harte Verknüpfungen) und wird nicht ersetzt, damit sie weiter einen Inhalt teilen. Bitte unter einem anderen Namen speichern.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The parts file would be larger than 2 GB. Please check the sizes and counts of the parts.</source>
        <translation>Die Teiledatei würde größer als 2 GB. Bitte die Maße und Anzahlen der Teile prüfen.</translation>
    </message>
    <message>
        <source>The 3D model is larger than the 4 GB a glTF binary file can hold.</source>
        <translation>Das 3D-Modell ist größer als die 4 GB, die eine binäre glTF-Datei fassen kann.</translation>
    </message>
    <message>
        <source>%1: a 3D model is written as .glb or .obj; please name the file so.</source>
        <translation>%1: Ein 3D-Modell wird als .glb oder .obj geschrieben; bitte die Datei so benennen.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its folder does not exist.</source>
        <translation>%1 kann nicht geschrieben werden: Sein Ordner existiert nicht.</translation>
    </message>
</context>
</TS>
