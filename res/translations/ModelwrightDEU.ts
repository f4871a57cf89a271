<?xml version='1.0' encoding='utf-8'?>
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
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>Katalognr.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Teile pro Packung</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Building elements</source>
        <translation>Gebäudeteile</translation>
    </message>
    <message>
        <source>New ...</source>
        <translation>Neu ...</translation>
    </message>
    <message>
        <source>Edit ...</source>
        <translation>Bearbeiten ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Free text after last element</source>
        <translation>Freier Text nach dem letzten Teil</translation>
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
        <translation>Walmdach mit flacher Oberseite</translation>
    </message>
    <message>
        <source>Single-slope roof</source>
        <translation>Pultdach</translation>
    </message>
    <message>
        <source>0 degr</source>
        <translation>0 Grad</translation>
    </message>
    <message>
        <source>90 degr</source>
        <translation>90 Grad</translation>
    </message>
    <message>
        <source>180 degr</source>
        <translation>180 Grad</translation>
    </message>
    <message>
        <source>270 degr</source>
        <translation>270 Grad</translation>
    </message>
    <message>
        <source>Building element</source>
        <translation>Gebäudeteil</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Block color</source>
        <translation>Blockfarbe</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Dach</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Roof color</source>
        <translation>Dachfarbe</translation>
    </message>
    <message>
        <source>Rooftype</source>
        <translation>Dachform</translation>
    </message>
    <message>
        <source>No roof</source>
        <translation>Kein Dach</translation>
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
        <translation>Türen und Fenster</translation>
    </message>
    <message>
        <source>New ...</source>
        <translation>Neu ...</translation>
    </message>
    <message>
        <source>Edit  ...</source>
        <translation>Bearbeiten ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Free additional text</source>
        <translation>Freier zusätzlicher Text</translation>
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
        <source>1 window</source>
        <translation>1 Fenster</translation>
    </message>
    <message>
        <source>2 windows</source>
        <translation>2 Fenster</translation>
    </message>
    <message>
        <source>4 windows</source>
        <translation>4 Fenster</translation>
    </message>
    <message>
        <source>6 windows</source>
        <translation>6 Fenster</translation>
    </message>
    <message>
        <source>8 windows</source>
        <translation>8 Fenster</translation>
    </message>
    <message>
        <source>Decorations edit dialog</source>
        <translation>Türen und Fenster bearbeiten</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
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
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Which wall?</source>
        <translation>Welche Wand?</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>Linke Seite</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>Rechte Seite</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Main color</source>
        <translation>Hauptfarbe</translation>
    </message>
    <message>
        <source>Inner color</source>
        <translation>Innenfarbe</translation>
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
        <source>Base A</source>
        <translation>Form A</translation>
    </message>
    <message>
        <source>Base B</source>
        <translation>Form B</translation>
    </message>
    <message>
        <source>Subtype</source>
        <translation>Untertyp</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Door with window</source>
        <translation>Tür mit Fenster</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
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
        <source>Select language</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>Winrail version </source>
        <translation>Winrail-Version </translation>
    </message>
    <message>
        <source>Use hexahedron in stead of Hexaedron (bug fix)</source>
        <translation>Hexahedron statt Hexaedron verwenden (Fehlerbehebung)</translation>
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
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Edit manufacturer ...</source>
        <translation>Hersteller bearbeiten ...</translation>
    </message>
    <message>
        <source>Edit representative ...</source>
        <translation>Vertretung bearbeiten ...</translation>
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
        <translation>&amp;Drucken...</translation>
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
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>Die Auswahl in die Zwischenablage verschieben</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>Die Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert the clipboard's contents</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
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
        <source>Show the program's version and copyright</source>
        <translation>Version und Copyright des Programms zeigen</translation>
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
        <source>Open this catalogue</source>
        <translation>Diesen Katalog öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be printed: the printer "%2" is not available.</source>
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
</context>
<context>
    <name>CManufacturerDlg</name>
    <message>
        <source>Edit manufacturer</source>
        <translation>Hersteller bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Street+nr</source>
        <translation>Straße+Nr.</translation>
    </message>
    <message>
        <source>ZIP code</source>
        <translation>Postleitzahl</translation>
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
</context>
<context>
    <name>CModelwrightView</name>
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
        <source>Edit header ...</source>
        <translation>Kopfdaten bearbeiten ...</translation>
    </message>
    <message>
        <source>Delete ...</source>
        <translation>Löschen ...</translation>
    </message>
    <message>
        <source>New tree ...</source>
        <translation>Neuer Baum ...</translation>
    </message>
    <message>
        <source>New building ...</source>
        <translation>Neues Gebäude ...</translation>
    </message>
    <message>
        <source>Edit ...</source>
        <translation>Bearbeiten ...</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exportieren ...</translation>
    </message>
    <message>
        <source>Export and compile ..</source>
        <translation>Exportieren und kompilieren ..</translation>
    </message>
    <message>
        <source>New platform ...</source>
        <translation>Neuer Bahnsteig ...</translation>
    </message>
    <message>
        <source>Export partsfile</source>
        <translation>Teiledatei exportieren</translation>
    </message>
    <message>
        <source>Winrail parts Files (*.bdf)</source>
        <translation>Winrail-Teiledateien (*.bdf)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
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
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Katalognummer</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Teile pro Packung</translation>
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
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>CPlatformDlg</name>
    <message>
        <source>Platform edit dialog</source>
        <translation>Bahnsteig bearbeiten</translation>
    </message>
    <message>
        <source>Additional free text</source>
        <translation>Zusätzlicher freier Text</translation>
    </message>
    <message>
        <source>Header information</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>Katalognr.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Teile pro Packung</translation>
    </message>
    <message>
        <source>Floor part</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kronenfarbe</translation>
    </message>
    <message>
        <source>Side color</source>
        <translation>Seitenfarbe</translation>
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
        <source>No cover</source>
        <translation>Keine Überdachung</translation>
    </message>
    <message>
        <source>Cover properties</source>
        <translation>Eigenschaften der Überdachung</translation>
    </message>
    <message>
        <source>Pole height</source>
        <translation>Stützenhöhe</translation>
    </message>
    <message>
        <source>Roof height</source>
        <translation>Dachhöhe</translation>
    </message>
    <message>
        <source>Edge distance</source>
        <translation>Randabstand</translation>
    </message>
    <message>
        <source>No of poles (one side)</source>
        <translation>Anzahl Stützen (eine Seite)</translation>
    </message>
    <message>
        <source>Roof color</source>
        <translation>Dachfarbe</translation>
    </message>
    <message>
        <source>Pole style</source>
        <translation>Stützenform</translation>
    </message>
    <message>
        <source>Round pole</source>
        <translation>Runde Stütze</translation>
    </message>
    <message>
        <source>Square pole</source>
        <translation>Eckige Stütze</translation>
    </message>
    <message>
        <source>Pole color</source>
        <translation>Stützenfarbe</translation>
    </message>
    <message>
        <source>Pole diameter</source>
        <translation>Stützendurchmesser</translation>
    </message>
</context>
<context>
    <name>CTreeDlg</name>
    <message>
        <source>Edit tree</source>
        <translation>Baum bearbeiten</translation>
    </message>
    <message>
        <source>Addtional free text</source>
        <translation>Zusätzlicher freier Text</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Catalog no</source>
        <translation>Katalognr.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Parts per package</source>
        <translation>Teile pro Packung</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Tree type</source>
        <translation>Baumart</translation>
    </message>
    <message>
        <source>Needle leaved tree</source>
        <translation>Nadelbaum</translation>
    </message>
    <message>
        <source>Deciduous tree</source>
        <translation>Laubbaum</translation>
    </message>
    <message>
        <source>Trunk</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Trunk color</source>
        <translation>Stammfarbe</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kronenfarbe</translation>
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
</context>
</TS>