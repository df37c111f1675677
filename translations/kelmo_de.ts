<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ComparisonWords</name>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>weg</translation>
    </message>
    <message>
        <source>Dir Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Old Size</source>
        <translation>Alte Größe</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Neue Größe</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>DirReportWords</name>
    <message>
        <source>Dir Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Parent Name</source>
        <translation>Übergeordnet</translation>
    </message>
    <message>
        <source>% of Parent</source>
        <translation>% des Übergeordneten</translation>
    </message>
    <message>
        <source>Dir Space</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>% of Total</source>
        <translation>% gesamt</translation>
    </message>
    <message>
        <source>Num of Sub-Dir</source>
        <translation>Unterverzeichnisse</translation>
    </message>
    <message>
        <source>Sub-Dir Space</source>
        <translation>In Unterverz.</translation>
    </message>
    <message>
        <source>File Space</source>
        <translation>In Dateien</translation>
    </message>
    <message>
        <source>Items Below</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>(n/a)</source>
        <translation>(entfällt)</translation>
    </message>
    <message>
        <source>item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>items</source>
        <translation>Einträge</translation>
    </message>
</context>
<context>
    <name>DirectoryActions</name>
    <message>
        <source>Disk usage: %1
Apparent size: %2</source>
        <translation>Belegung: %1
Scheinbare Größe: %2</translation>
    </message>
    <message>
        <source>Move to the trash?

%1

%2</source>
        <translation>In den Papierkorb verschieben?

%1

%2</translation>
    </message>
    <message>
        <source>

Files in it also have names elsewhere, which keep their space: the sizes shown after the move are approximate until Update.</source>
        <translation>

Dateien darin haben auch anderswo Namen, die ihren Platz behalten: Die Größen nach dem Verschieben sind bis zum Aktualisieren nur ungefähr.</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb</translation>
    </message>
    <message>
        <source>Could not move to the trash:
%1

%2</source>
        <translation>Konnte nicht in den Papierkorb verschoben werden:
%1

%2</translation>
    </message>
</context>
<context>
    <name>DirectoryCommands</name>
    <message>
        <source>%1 file lies here</source>
        <translation>%1 Datei liegt hier</translation>
    </message>
    <message>
        <source>%1 files lie here</source>
        <translation>%1 Dateien liegen hier</translation>
    </message>
    <message>
        <source>%1 in all; %2</source>
        <translation>%1 insgesamt; %2</translation>
    </message>
    <message>
        <source>
This directory %1</source>
        <translation>
Dieses Verzeichnis: %1</translation>
    </message>
    <message>
        <source>Files...</source>
        <translation>Dateien...</translation>
    </message>
    <message>
        <source>Largest Files...</source>
        <translation>Größte Dateien...</translation>
    </message>
    <message>
        <source>Save Scan As...</source>
        <translation>Scan speichern unter...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Files in %1</source>
        <translation>Dateien in %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>apparent sizes</source>
        <translation>scheinbare Größen</translation>
    </message>
    <message>
        <source>disk usage</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>Largest Files (%1)</source>
        <translation>Größte Dateien (%1)</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Save Scan As</source>
        <translation>Scan speichern unter</translation>
    </message>
    <message>
        <source>Several saved scans shown as one cannot be saved as one scan.

Each stays in the file it was read from.</source>
        <translation>Mehrere als einer gezeigte gespeicherte Scans können nicht als ein Scan gespeichert werden.

Jeder bleibt in der Datei, aus der er gelesen wurde.</translation>
    </message>
</context>
<context>
    <name>DirectoryView</name>
    <message>
        <source>The sub-directories of the directory on display and their shares; the arrow keys select one</source>
        <translation>Die Unterverzeichnisse des angezeigten Verzeichnisses und ihre Anteile; die Pfeiltasten wählen eines</translation>
    </message>
</context>
<context>
    <name>DirectoryViewRows</name>
    <message>
        <source>Pie Chart</source>
        <translation>Tortendiagramm</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Ringe</translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Saved scans (*.json *.json.zst *.zst *.json.gz *.gz)</source>
        <translation>Gespeicherte Scans (*.json *.json.zst *.zst *.json.gz *.gz)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Disk Usage</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>Apparent Size</source>
        <translation>Scheinbare Größe</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Zuletzt geändert</translation>
    </message>
</context>
<context>
    <name>FileListWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Used bytes over the recordings</source>
        <translation>Belegte Bytes über die Aufzeichnungen</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Noch keine Aufzeichnungen</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Zuwachs</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>No recordings of this drive yet (kelmo --record).</source>
        <translation>Noch keine Aufzeichnungen dieses Laufwerks (kelmo --record).</translation>
    </message>
    <message>
        <source>Choose two recordings on the line to compare.</source>
        <translation>Wählen Sie zwei Aufzeichnungen auf der Linie zum Vergleichen.</translation>
    </message>
    <message>
        <source>Largest growth from A, %1, to B, %2:</source>
        <translation>Größter Zuwachs von A, %1, bis B, %2:</translation>
    </message>
    <message>
        <source>Could not read a recording: %1</source>
        <translation>Eine Aufzeichnung konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>KelmoSplash</name>
    <message>
        <source>Interrogating Drive ...</source>
        <translation>Laufwerk wird gelesen ...</translation>
    </message>
    <message>
        <source>Disk Space Used (in bytes)</source>
        <translation>Belegter Speicherplatz (in Bytes)</translation>
    </message>
    <message>
        <source>Disk Space Used</source>
        <translation>Belegter Speicherplatz</translation>
    </message>
    <message>
        <source>Disk usage at a glance</source>
        <translation>Belegung auf einen Blick</translation>
    </message>
    <message>
        <source>Revision 2.0 - %1 bit</source>
        <translation>Revision 2.0 - %1 Bit</translation>
    </message>
    <message>
        <source>All rights reserved</source>
        <translation>Alle Rechte vorbehalten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Schließt das Fenster</translation>
    </message>
</context>
<context>
    <name>KeyBox</name>
    <message>
        <source>Key</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>The sub-directories of the directory on display, each with its size and share; Enter opens the selected one</source>
        <translation>Die Unterverzeichnisse des angezeigten Verzeichnisses, jedes mit Größe und Anteil; Eingabe öffnet das gewählte</translation>
    </message>
    <message>
        <source>--No Sub-Directories--</source>
        <translation>--Keine Unterverzeichnisse--</translation>
    </message>
</context>
<context>
    <name>KeyBoxDelegate</name>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>LocalNumbers</name>
    <message>
        <source>%1 item</source>
        <translation>%1 Eintrag</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Einträge</translation>
    </message>
</context>
<context>
    <name>LookCommands</name>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>Available Drives</source>
        <translation>Verfügbare Laufwerke</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>The drive or saved scan on display; choosing another scans it</source>
        <translation>Das angezeigte Laufwerk oder der gespeicherte Scan; ein anderes zu wählen scannt es</translation>
    </message>
    <message>
        <source>The heading of the drive list</source>
        <translation>Die Überschrift der Laufwerksliste</translation>
    </message>
    <message>
        <source>How many directories the scan could not read</source>
        <translation>Wie viele Verzeichnisse der Scan nicht lesen konnte</translation>
    </message>
    <message>
        <source>The heading of the key</source>
        <translation>Die Überschrift der Legende</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <source>The free space on the drive on display</source>
        <translation>Der freie Platz auf dem angezeigten Laufwerk</translation>
    </message>
    <message>
        <source>The path of the directory on display</source>
        <translation>Der Pfad des angezeigten Verzeichnisses</translation>
    </message>
    <message>
        <source>Free Space : %1</source>
        <translation>Frei : %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>an earlier scan</source>
        <translation>einem früheren Scan</translation>
    </message>
    <message>
        <source>%1 directory could not be read</source>
        <translation>%1 Verzeichnis nicht lesbar</translation>
    </message>
    <message>
        <source>%1 directories could not be read</source>
        <translation>%1 Verzeichnisse nicht lesbar</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Key (growth since %1)</source>
        <translation>Legende (Zuwachs seit %1)</translation>
    </message>
    <message>
        <source>Key (apparent sizes)</source>
        <translation>Legende (scheinbare Größen)</translation>
    </message>
    <message>
        <source>%1 (saved)</source>
        <translation>%1 (gespeichert)</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message>
        <source>{} %</source>
        <translation>{} %</translation>
    </message>
    <message>
        <source>about {} s left</source>
        <translation>noch etwa {} s</translation>
    </message>
    <message>
        <source>about {} min left</source>
        <translation>noch etwa {} min</translation>
    </message>
</context>
<context>
    <name>RingsView</name>
    <message>
        <source>%1 smaller directories</source>
        <translation>%1 kleinere Verzeichnisse</translation>
    </message>
</context>
<context>
    <name>SmallWin</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text to read; OK or Escape closes the window</source>
        <translation>Text zum Lesen; OK oder Escape schließt das Fenster</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Schließt das Fenster</translation>
    </message>
</context>
<context>
    <name>SurveyLoader</name>
    <message>
        <source>Selected Disk was Not
Available or is Blank</source>
        <translation>Das gewählte Laufwerk war nicht
verfügbar oder ist leer</translation>
    </message>
    <message>
        <source>Other Saved Scan...</source>
        <translation>Anderer gespeicherter Scan...</translation>
    </message>
    <message>
        <source>Invalid command-line; Use:

    kelmo &lt;path&gt;

i.e.:    kelmo /home</source>
        <translation>Ungültige Befehlszeile; Aufruf:

    kelmo &lt;Pfad&gt;

z. B.:    kelmo /home</translation>
    </message>
    <message>
        <source>

Pick a drive from the list.</source>
        <translation>

Wählen Sie ein Laufwerk aus der Liste.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Compare with Saved Scan...</source>
        <translation>Mit gespeichertem Scan vergleichen...</translation>
    </message>
    <message>
        <source>Open Saved Scan...</source>
        <translation>Gespeicherten Scan öffnen...</translation>
    </message>
    <message>
        <source>Open Saved Scan</source>
        <translation>Gespeicherten Scan öffnen</translation>
    </message>
    <message>
        <source>Compare with Saved Scan</source>
        <translation>Mit gespeichertem Scan vergleichen</translation>
    </message>
    <message>
        <source>The saved scan came from standard input, which can be read only once.</source>
        <translation>Der gespeicherte Scan kam von der Standardeingabe, die nur einmal gelesen werden kann.</translation>
    </message>
</context>
<context>
    <name>TKelmoWindow</name>
    <message>
        <source>Sub-Directory Not Found</source>
        <translation>Unterverzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Systemfehler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Übergeordnetes Verzeichnis</translation>
    </message>
    <message>
        <source>Root Directory</source>
        <translation>Wurzelverzeichnis</translation>
    </message>
    <message>
        <source>Keys...</source>
        <translation>Tasten...</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Sub Info</source>
        <translation>Unter-Info</translation>
    </message>
    <message>
        <source>Root Info</source>
        <translation>Wurzel-Info</translation>
    </message>
    <message>
        <source>Apparent Sizes</source>
        <translation>Scheinbare Größen</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Nach Größe sortieren</translation>
    </message>
    <message>
        <source>Sizes in Units</source>
        <translation>Größen in Einheiten</translation>
    </message>
    <message>
        <source>Show Sizes</source>
        <translation>Größen zeigen</translation>
    </message>
    <message>
        <source>This directory is gone since the earlier scan</source>
        <translation>Dieses Verzeichnis ist seit dem früheren Scan verschwunden</translation>
    </message>
    <message>
        <source>This entry %1</source>
        <translation>Dieser Eintrag: %1</translation>
    </message>
    <message>
        <source>No Sub-Directories Exist For This Entry</source>
        <translation>Dieser Eintrag hat keine Unterverzeichnisse</translation>
    </message>
    <message>
        <source>Sub-Directory Information</source>
        <translation>Verzeichnisinformation</translation>
    </message>
</context>
<context>
    <name>TargetCommands</name>
    <message>
        <source>No file manager could be started to show
%1

None answers on the session bus, and no program to open folders (xdg-open) could be started.</source>
        <translation>Kein Dateimanager konnte gestartet werden, um
%1
zu zeigen.

Keiner antwortet auf dem Sitzungsbus, und kein Programm zum Öffnen von Ordnern (xdg-open) konnte gestartet werden.</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Move to Trash...</source>
        <translation>In den Papierkorb...</translation>
    </message>
</context>
<context>
    <name>WindowMenuParts</name>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
</TS>
