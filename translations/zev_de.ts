<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>BoxSimulator</name>
    <message>
        <source>Can&apos;t start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 did not name its port.</source>
        <translation>%1 hat keinen Port genannt.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Zev</source>
        <translation>Über Zev</translation>
    </message>
    <message>
        <source>Zev Version %1</source>
        <translation>Zev Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Channel Edit</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Transponder Data</source>
        <translation>Transponderdaten</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satellit:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Polarisation:</source>
        <translation>Polarisation:</translation>
    </message>
    <message>
        <source>Symbolrate:</source>
        <translation>Symbolrate:</translation>
    </message>
    <message>
        <source>TransID:</source>
        <translation>Trans-ID:</translation>
    </message>
    <message>
        <source>&amp;Transponderlist</source>
        <translation>&amp;Transponderliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Video PID:</source>
        <translation>Video-PID:</translation>
    </message>
    <message>
        <source>Audio PID:</source>
        <translation>Audio-PID:</translation>
    </message>
    <message>
        <source>PCR PID:</source>
        <translation>PCR-PID:</translation>
    </message>
    <message>
        <source>TTX PID:</source>
        <translation>TTX-PID:</translation>
    </message>
    <message>
        <source>AC3 PID:</source>
        <translation>AC3-PID:</translation>
    </message>
    <message>
        <source>Service ID:</source>
        <translation>Service-ID:</translation>
    </message>
    <message>
        <source>Network ID:</source>
        <translation>Netzwerk-ID:</translation>
    </message>
</context>
<context>
    <name>CCheckReportDlg</name>
    <message>
        <source>Checked as %1: </source>
        <translation>Geprüft als %1: </translation>
    </message>
    <message>
        <source>&lt;b&gt;No problems found.&lt;/b&gt;</source>
        <translation>&lt;b&gt;Keine Probleme gefunden.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>&lt;br&gt;Errors: the box would misread the image. Warnings: records that look wrong. Double-click a channel&apos;s line to select it in the list.</source>
        <translation>&lt;br&gt;Fehler: Der Receiver würde das Abbild falsch lesen. Warnungen: Einträge, die falsch aussehen. Doppelklicken Sie auf die Zeile eines Senders, um ihn in der Liste auszuwählen.</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Select &amp;Duplicates</source>
        <translation>&amp;Duplikate auswählen</translation>
    </message>
    <message>
        <source>Select every later copy of a channel in the list, so that Delete Channel removes them and keeps the first of each</source>
        <translation>Wählt jede spätere Kopie eines Senders in der Liste aus, sodass „Sender löschen“ sie entfernt und jeweils die erste behält</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>Check Database (out of date)</source>
        <translation>Datenbank prüfen (veraltet)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Out of date:&lt;/b&gt; the channel list has changed since this check; Check Again shows how it is now.&lt;br&gt;</source>
        <translation>&lt;b&gt;Veraltet:&lt;/b&gt; Die Senderliste hat sich seit dieser Prüfung geändert; „Erneut prüfen“ zeigt den aktuellen Stand.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>CComSettingDlg</name>
    <message>
        <source>Com Setting</source>
        <translation>COM-Einstellungen</translation>
    </message>
    <message>
        <source>COM Setup</source>
        <translation>COM-Einrichtung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>Bits pro Sekunde</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>&amp;Swap Direction</source>
        <translation>&amp;Richtung umkehren</translation>
    </message>
    <message>
        <source>Show the differences the other way round</source>
        <translation>Die Unterschiede in umgekehrter Richtung zeigen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Equal:&lt;/b&gt; %1 holds the same channel list as the program.</source>
        <translation>&lt;b&gt;Gleich:&lt;/b&gt; %1 enthält dieselbe Senderliste wie das Programm.</translation>
    </message>
    <message>
        <source>What changed in the channel list since %1: &lt;b&gt;%2&lt;/b&gt;&lt;br&gt;Added: only in the channel list. Removed: only in the file. Moved: in another place among the records both hold.</source>
        <translation>Was sich in der Senderliste seit %1 geändert hat: &lt;b&gt;%2&lt;/b&gt;&lt;br&gt;Hinzugefügt: nur in der Senderliste. Entfernt: nur in der Datei. Verschoben: an anderer Stelle unter den Einträgen, die beide enthalten.</translation>
    </message>
    <message>
        <source>From the channel list in the program to %1: &lt;b&gt;%2&lt;/b&gt;&lt;br&gt;Added: only in the file. Removed: only in the program. Moved: in another place among the records both hold.</source>
        <translation>Von der Senderliste im Programm zu %1: &lt;b&gt;%2&lt;/b&gt;&lt;br&gt;Hinzugefügt: nur in der Datei. Entfernt: nur im Programm. Verschoben: an anderer Stelle unter den Einträgen, die beide enthalten.</translation>
    </message>
</context>
<context>
    <name>CDataFileCommands</name>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>All supported files (*.stc *.def *.all *.cus *.sgn *.txt);;</source>
        <translation>Alle unterstützten Dateien (*.stc *.def *.all *.cus *.sgn *.txt);;</translation>
    </message>
    <message>
        <source>cus files (*.cus);;sgn files (*.sgn);;stc files (*.stc);;All Files (*.*)</source>
        <translation>cus-Dateien (*.cus);;sgn-Dateien (*.sgn);;stc-Dateien (*.stc);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>stc files (*.stc);;cus files (*.cus);;sgn files (*.sgn);;All Files (*.*)</source>
        <translation>stc-Dateien (*.stc);;cus-Dateien (*.cus);;sgn-Dateien (*.sgn);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>txt files (*.txt);;All Files (*.*)</source>
        <translation>txt-Dateien (*.txt);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>stc files (*.stc);;def files (*.def);;all files (*.all);;All Files (*.*)</source>
        <translation>stc-Dateien (*.stc);;def-Dateien (*.def);;all-Dateien (*.all);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>%1 TV channel</source>
        <translation>%1 TV-Sender</translation>
    </message>
    <message>
        <source>%1 TV channels</source>
        <translation>%1 TV-Sender</translation>
    </message>
    <message>
        <source>%1 radio channel</source>
        <translation>%1 Radiosender</translation>
    </message>
    <message>
        <source>%1 radio channels</source>
        <translation>%1 Radiosender</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1 is the file of the update commands</source>
        <translation>%1 ist die Datei für die Aktualisierungsbefehle</translation>
    </message>
    <message>
        <source>
 Wrong File: %1</source>
        <translation>
 Falsche Datei: %1</translation>
    </message>
    <message>
        <source>Opened %1: %2 and %3</source>
        <translation>%1 geöffnet: %2 und %3</translation>
    </message>
    <message>
        <source>Save changes to the channel list?</source>
        <translation>Änderungen an der Senderliste speichern?</translation>
    </message>
    <message>
        <source>%1 is a parameter image. The terminal text is not saved over it; please choose another name.</source>
        <translation>%1 ist ein Parameterabbild. Der Terminaltext wird nicht darüber gespeichert; bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Nothing was saved: the terminal text is saved only as a .txt file, not as %1</source>
        <translation>Es wurde nichts gespeichert: Der Terminaltext wird nur als .txt-Datei gespeichert, nicht als %1</translation>
    </message>
    <message>
        <source>%1 The terminal text was not saved.</source>
        <translation>%1 Der Terminaltext wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Saved the terminal text as %1</source>
        <translation>Terminaltext als %1 gespeichert</translation>
    </message>
    <message>
        <source>Save it anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Nothing was saved: %1 is no parameter image (.stc, .def or .all)</source>
        <translation>Es wurde nichts gespeichert: %1 ist kein Parameterabbild (.stc, .def oder .all)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Creat File Error!</source>
        <translation>Fehler beim Erstellen der Datei!</translation>
    </message>
    <message>
        <source>%1 Nothing was saved.</source>
        <translation>%1 Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>CDatabaseCommands</name>
    <message>
        <source>stc files (*.stc);;def files (*.def);;all files (*.all);;All Files (*.*)</source>
        <translation>stc-Dateien (*.stc);;def-Dateien (*.def);;all-Dateien (*.all);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>csv files (*.csv);;All Files (*.*)</source>
        <translation>csv-Dateien (*.csv);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>the default-channel block (.def)</source>
        <translation>Standardsenderblock (.def)</translation>
    </message>
    <message>
        <source>both blocks (.all)</source>
        <translation>beide Blöcke (.all)</translation>
    </message>
    <message>
        <source>the user block (.stc)</source>
        <translation>Benutzerblock (.stc)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1 duplicate TV channel selected</source>
        <translation>%1 doppelter TV-Sender ausgewählt</translation>
    </message>
    <message>
        <source>%1 duplicate TV channels selected</source>
        <translation>%1 doppelte TV-Sender ausgewählt</translation>
    </message>
    <message>
        <source>%1 duplicate radio channel selected</source>
        <translation>%1 doppelter Radiosender ausgewählt</translation>
    </message>
    <message>
        <source>%1 duplicate radio channels selected</source>
        <translation>%1 doppelte Radiosender ausgewählt</translation>
    </message>
    <message>
        <source>%1; the radio list has %2 more</source>
        <translation>%1; die Radioliste enthält %2 weitere</translation>
    </message>
    <message>
        <source>%1; the TV list has %2 more</source>
        <translation>%1; die TV-Liste enthält %2 weitere</translation>
    </message>
    <message>
        <source>Only parameter images (.stc, .def, .all) can be compared:
%1</source>
        <translation>Nur Parameterabbilder (.stc, .def, .all) können verglichen werden:
%1</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.
%2</source>
        <translation>%1 kann nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>Can&apos;t compare with %1: %2</source>
        <translation>Vergleich mit %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Nach %1 exportiert.</translation>
    </message>
</context>
<context>
    <name>CDragListCtrl</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Error in ListType! please contact your vendor!</source>
        <translation>Fehler im Listentyp! Bitte wenden Sie sich an Ihren Händler!</translation>
    </message>
</context>
<context>
    <name>CFlashSettingDlg</name>
    <message>
        <source>Setting Flash</source>
        <translation>Flash-Einstellungen</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>Flash Size</source>
        <translation>Flash-Größe</translation>
    </message>
    <message>
        <source>UserPara Size</source>
        <translation>Größe Benutzerparameter</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
</context>
<context>
    <name>CLineMonitorWnd</name>
    <message>
        <source>Line Monitor</source>
        <translation>Leitungsmonitor</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Find bytes (02 16 03) or text</source>
        <translation>Bytes (02 16 03) oder Text suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>%1 pieces, %2 bytes (at most %3 MiB)</source>
        <translation>%1 Abschnitte, %2 Bytes (höchstens %3 MiB)</translation>
    </message>
    <message>
        <source>; %1 older bytes dropped</source>
        <translation>; %1 ältere Bytes verworfen</translation>
    </message>
    <message>
        <source>; paused</source>
        <translation>; angehalten</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Save Line Monitor</source>
        <translation>Leitungsmonitor speichern</translation>
    </message>
    <message>
        <source>txt files (*.txt);;All Files (*.*)</source>
        <translation>txt-Dateien (*.txt);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>CListReworkCommands</name>
    <message>
        <source>Channel lists (*.stc *.def *.all *.json *.csv);;stc files (*.stc);;def files (*.def);;all files (*.all);;JSON files (*.json);;csv files (*.csv);;All Files (*.*)</source>
        <translation>Senderlisten (*.stc *.def *.all *.json *.csv);;stc-Dateien (*.stc);;def-Dateien (*.def);;all-Dateien (*.all);;JSON-Dateien (*.json);;csv-Dateien (*.csv);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>csv files (*.csv);;All Files (*.*)</source>
        <translation>csv-Dateien (*.csv);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>XML files (*.xml);;All Files (*.*)</source>
        <translation>XML-Dateien (*.xml);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>There is nothing to sort: the list shows fewer than two channels.</source>
        <translation>Es gibt nichts zu sortieren: Die Liste zeigt weniger als zwei Sender.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The %1 selected channels of the TV list are sorted among the places they hold.</source>
        <translation>Die %1 ausgewählten Sender der TV-Liste werden untereinander auf den Plätzen sortiert, die sie einnehmen.</translation>
    </message>
    <message>
        <source>The %1 selected channels of the radio list are sorted among the places they hold.</source>
        <translation>Die %1 ausgewählten Sender der Radioliste werden untereinander auf den Plätzen sortiert, die sie einnehmen.</translation>
    </message>
    <message>
        <source>The %1 channels the filter shows are sorted among the places they hold.</source>
        <translation>Die %1 Sender, die der Filter zeigt, werden untereinander auf den Plätzen sortiert, die sie einnehmen.</translation>
    </message>
    <message>
        <source>All %1 channels of the TV list are sorted.</source>
        <translation>Alle %1 Sender der TV-Liste werden sortiert.</translation>
    </message>
    <message>
        <source>All %1 channels of the radio list are sorted.</source>
        <translation>Alle %1 Sender der Radioliste werden sortiert.</translation>
    </message>
    <message>
        <source>The %1 channels were in that order already.</source>
        <translation>Die %1 Sender waren bereits in dieser Reihenfolge.</translation>
    </message>
    <message>
        <source>Sorted %1 TV channels by %2%3.</source>
        <translation>%1 TV-Sender sortiert nach %2%3.</translation>
    </message>
    <message>
        <source>Sorted %1 radio channels by %2%3.</source>
        <translation>%1 Radiosender sortiert nach %2%3.</translation>
    </message>
    <message>
        <source>, descending</source>
        <translation>, absteigend</translation>
    </message>
    <message>
        <source>Order Like File</source>
        <translation>Reihenfolge aus Datei übernehmen</translation>
    </message>
    <message>
        <source>The order was not changed.</source>
        <translation>Die Reihenfolge wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Can&apos;t import %1:
%2
Nothing was imported.</source>
        <translation>%1 kann nicht importiert werden:
%2
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>%1 aus %2 importiert.</translation>
    </message>
    <message>
        <source>Update Transponders from File</source>
        <translation>Transponder aus Datei aktualisieren</translation>
    </message>
    <message>
        <source>No transponder was changed.</source>
        <translation>Es wurde kein Transponder geändert.</translation>
    </message>
    <message>
        <source>The channel list has no satellites whose transponders could be updated.</source>
        <translation>Die Senderliste enthält keine Satelliten, deren Transponder aktualisiert werden könnten.</translation>
    </message>
    <message>
        <source>Transponders from %1: %2 added, %3 updated, %4 unchanged, %5 deleted.</source>
        <translation>Transponder aus %1: %2 hinzugefügt, %3 aktualisiert, %4 unverändert, %5 gelöscht.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>TV list: %1 of %2 channel</source>
        <translation>TV-Liste: %1 von %2 Sender</translation>
    </message>
    <message>
        <source>TV list: %1 of %2 channels</source>
        <translation>TV-Liste: %1 von %2 Sendern</translation>
    </message>
    <message>
        <source>Radio list: %1 of %2 channel</source>
        <translation>Radioliste: %1 von %2 Sender</translation>
    </message>
    <message>
        <source>Radio list: %1 of %2 channels</source>
        <translation>Radioliste: %1 von %2 Sendern</translation>
    </message>
    <message>
        <source>TV list: %1 channel</source>
        <translation>TV-Liste: %1 Sender</translation>
    </message>
    <message>
        <source>TV list: %1 channels</source>
        <translation>TV-Liste: %1 Sender</translation>
    </message>
    <message>
        <source>Radio list: %1 channel</source>
        <translation>Radioliste: %1 Sender</translation>
    </message>
    <message>
        <source>Radio list: %1 channels</source>
        <translation>Radioliste: %1 Sender</translation>
    </message>
    <message>
        <source>TV Channel List.pdf</source>
        <translation>TV-Senderliste.pdf</translation>
    </message>
    <message>
        <source>Radio Channel List.pdf</source>
        <translation>Radiosenderliste.pdf</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>%1 kann nicht geöffnet werden.
%2</translation>
    </message>
</context>
<context>
    <name>CSatelliteEditDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Lnbtype:</source>
        <translation>LNB-Typ:</translation>
    </message>
    <message>
        <source>Lnblow:</source>
        <translation>LNB-Low:</translation>
    </message>
    <message>
        <source>Lnbhigh:</source>
        <translation>LNB-High:</translation>
    </message>
    <message>
        <source>DiseqcType:</source>
        <translation>DiSEqC-Typ:</translation>
    </message>
    <message>
        <source>DiseqcPort:</source>
        <translation>DiSEqC-Port:</translation>
    </message>
    <message>
        <source>Lnblow</source>
        <translation>LNB-Low</translation>
    </message>
    <message>
        <source>Lnbhigh</source>
        <translation>LNB-High</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>CSatelliteListDlg</name>
    <message>
        <source>Satellite List</source>
        <translation>Satellitenliste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Tranponders</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Num     Name          LnbType     Lnblow     Lnbhigh     Diseqc    Diseqcport</source>
        <translation>Nr.     Name          LNB-Typ     LNB-Low    LNB-High    DiSEqC    DiSEqC-Port</translation>
    </message>
    <message>
        <source>There&apos;s only %1 Satellite can be add!</source>
        <translation>Es können nur %1 Satelliten hinzugefügt werden!</translation>
    </message>
    <message>
        <source>This satellite no TP!</source>
        <translation>Dieser Satellit hat keine Transponder!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>There are Transponders belong to this Satellite!</source>
        <translation>Zu diesem Satelliten gehören Transponder!</translation>
    </message>
</context>
<context>
    <name>CSortChannelsDlg</name>
    <message>
        <source>Name (numbers by their value)</source>
        <translation>Name (Zahlen nach ihrem Wert)</translation>
    </message>
    <message>
        <source>Satellite, frequency, polarisation, Service ID</source>
        <translation>Satellit, Frequenz, Polarisation, Service-ID</translation>
    </message>
    <message>
        <source>Frequency, polarisation, Service ID</source>
        <translation>Frequenz, Polarisation, Service-ID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>Sender sortieren</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>A&amp;ufsteigend</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>Ab&amp;steigend</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sortieren &amp;nach:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Channels that compare equal keep their order.</source>
        <translation>Gleichrangige Sender behalten ihre Reihenfolge.</translation>
    </message>
</context>
<context>
    <name>CTransponderEditDlg</name>
    <message>
        <source>Transponder Edit</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satellit:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Polarization:</source>
        <translation>Polarisation:</translation>
    </message>
    <message>
        <source>Trans Symbol:</source>
        <translation>Symbolrate:</translation>
    </message>
    <message>
        <source>Trans ID:</source>
        <translation>Trans-ID:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Trans Symbol</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Trans ID</source>
        <translation>Trans-ID</translation>
    </message>
</context>
<context>
    <name>CTransponderListDlg</name>
    <message>
        <source>Transponder List</source>
        <translation>Transponderliste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Sender</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>You must add a satellite first!</source>
        <translation>Sie müssen zuerst einen Satelliten hinzufügen!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>There&apos;s only %1 Transponder can be add!</source>
        <translation>Es können nur %1 Transponder hinzugefügt werden!</translation>
    </message>
    <message>
        <source>There&apos;s No channel belong to this Transponder!</source>
        <translation>Zu diesem Transponder gehört kein Sender!</translation>
    </message>
    <message>
        <source>There are channel(s) belong to this Transponder!</source>
        <translation>Zu diesem Transponder gehören Sender!</translation>
    </message>
</context>
<context>
    <name>CTransponderPickDlg</name>
    <message>
        <source>Transponder List</source>
        <translation>Transponderliste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CUpdateTranspondersDlg</name>
    <message>
        <source>%1 deleted</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>%1 kept for its channels</source>
        <translation>%1 wegen seiner Sender behalten</translation>
    </message>
    <message>
        <source>%1 kept for their channels</source>
        <translation>%1 wegen ihrer Sender behalten</translation>
    </message>
    <message>
        <source>%1 beyond the image&apos;s range skipped</source>
        <translation>%1 außerhalb des Wertebereichs des Abbilds übersprungen</translation>
    </message>
    <message>
        <source>Update Transponders from File</source>
        <translation>Transponder aus Datei aktualisieren</translation>
    </message>
    <message>
        <source>Each satellite takes the transponders of the satellite of %1 chosen beside it. A transponder of the file updates the satellite&apos;s transponder of the same polarisation within 2 MHz; the others are added after its last transponder.</source>
        <translation>Jeder Satellit übernimmt die Transponder des daneben gewählten Satelliten aus %1. Ein Transponder der Datei aktualisiert den Transponder des Satelliten mit derselben Polarisation, der höchstens 2 MHz entfernt liegt; die übrigen werden nach seinem letzten Transponder angefügt.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Aus der Datei</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>Nicht in der Datei</translation>
    </message>
    <message>
        <source>Circular skipped</source>
        <translation>Zirkular übersprungen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>From the file for %1</source>
        <translation>Aus der Datei für %1</translation>
    </message>
    <message>
        <source>(leave as it is)</source>
        <translation>(unverändert lassen)</translation>
    </message>
    <message>
        <source>&amp;Delete the transponders the file does not list (those with channels on them stay)</source>
        <translation>Transponder &amp;löschen, die die Datei nicht enthält (solche mit Sendern bleiben)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Not updated: %1</source>
        <translation>Nicht aktualisiert: %1</translation>
    </message>
    <message>
        <source>Not updated</source>
        <translation>Nicht aktualisiert</translation>
    </message>
    <message>
        <source>No satellite takes transponders from the file: choose one beside a satellite.</source>
        <translation>Kein Satellit übernimmt Transponder aus der Datei: Wählen Sie einen neben einem Satelliten.</translation>
    </message>
    <message>
        <source>The update would give %1 transponders, more than the %2 the image holds (TpCapacity).</source>
        <translation>Die Aktualisierung ergäbe %1 Transponder, mehr als die %2, die das Abbild fasst (TpCapacity).</translation>
    </message>
    <message>
        <source>%1 of %2 satellites take transponders from the file; the channel list will hold %3 of the %4 transponders the image takes.</source>
        <translation>%1 von %2 Satelliten übernehmen Transponder aus der Datei; die Senderliste wird %3 der %4 Transponder enthalten, die das Abbild fasst.</translation>
    </message>
</context>
<context>
    <name>CZevDoc</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Can&apos;t realize the settings!</source>
        <translation>Die Einstellungen können nicht angewendet werden!</translation>
    </message>
</context>
<context>
    <name>CZevView</name>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Every step of the receiver runs and what the receiver sends</source>
        <translation>Jeder Schritt der Vorgänge mit dem Receiver und alles, was der Receiver sendet</translation>
    </message>
</context>
<context>
    <name>CZuzeListViewView</name>
    <message>
        <source>Double-click to edit, right-click for the menu, drag selected rows to reorder.</source>
        <translation>Doppelklick zum Bearbeiten, Rechtsklick für das Menü, ausgewählte Zeilen zum Umordnen ziehen.</translation>
    </message>
    <message>
        <source>&amp;Edit Channel...       Enter</source>
        <translation>Sender &amp;bearbeiten...    Enter</translation>
    </message>
    <message>
        <source>New Channel...</source>
        <translation>Neuer Sender...</translation>
    </message>
    <message>
        <source>&amp;Move Channel</source>
        <translation>Sender &amp;verschieben</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>Sender &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Transponder List      F11</source>
        <translation>&amp;Transponderliste        F11</translation>
    </message>
    <message>
        <source>&amp;Satellite List        F12</source>
        <translation>&amp;Satellitenliste         F12</translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation>TV-Senderliste</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Radiosenderliste</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <source>Open %1</source>
        <translation>Öffnen von %1</translation>
    </message>
    <message>
        <source>Sort %1 Channels</source>
        <translation>Sortieren von %1 Sendern</translation>
    </message>
    <message>
        <source>Order Like %1</source>
        <translation>Ordnen wie %1</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importieren von %1</translation>
    </message>
    <message>
        <source>Update Transponders from %1</source>
        <translation>Aktualisieren der Transponder aus %1</translation>
    </message>
    <message>
        <source>Deleted %1 channel</source>
        <translation>%1 Sender gelöscht</translation>
    </message>
    <message>
        <source>Deleted %1 channels</source>
        <translation>%1 Sender gelöscht</translation>
    </message>
    <message>
        <source>Moved %1 channel</source>
        <translation>%1 Sender verschoben</translation>
    </message>
    <message>
        <source>Moved %1 channels</source>
        <translation>%1 Sender verschoben</translation>
    </message>
    <message>
        <source>Moved %1 transponder</source>
        <translation>%1 Transponder verschoben</translation>
    </message>
    <message>
        <source>Moved %1 transponders</source>
        <translation>%1 Transponder verschoben</translation>
    </message>
    <message>
        <source>Moved %1 satellite</source>
        <translation>%1 Satellit verschoben</translation>
    </message>
    <message>
        <source>Moved %1 satellites</source>
        <translation>%1 Satelliten verschoben</translation>
    </message>
    <message>
        <source>Edited a channel</source>
        <translation>Sender bearbeitet</translation>
    </message>
    <message>
        <source>Edited a satellite</source>
        <translation>Satellit bearbeitet</translation>
    </message>
    <message>
        <source>Edited a transponder</source>
        <translation>Transponder bearbeitet</translation>
    </message>
    <message>
        <source>Added a channel</source>
        <translation>Sender hinzugefügt</translation>
    </message>
    <message>
        <source>Added a satellite</source>
        <translation>Satellit hinzugefügt</translation>
    </message>
    <message>
        <source>Added a transponder</source>
        <translation>Transponder hinzugefügt</translation>
    </message>
    <message>
        <source>Deleted a satellite</source>
        <translation>Satellit gelöscht</translation>
    </message>
    <message>
        <source>Deleted a transponder</source>
        <translation>Transponder gelöscht</translation>
    </message>
    <message>
        <source>Deleted all transponders of satellite %1</source>
        <translation>Alle Transponder von Satellit %1 gelöscht</translation>
    </message>
    <message>
        <source>Deleted all channels of transponder %1</source>
        <translation>Alle Sender von Transponder %1 gelöscht</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Load Setting from Box</source>
        <translation>Laden der Einstellungen vom Receiver</translation>
    </message>
    <message>
        <source>Drag %1 Transponder</source>
        <translation>Ziehen von %1 Transponder</translation>
    </message>
    <message>
        <source>Drag %1 Transponders</source>
        <translation>Ziehen von %1 Transpondern</translation>
    </message>
    <message>
        <source>Drag %1 Satellite</source>
        <translation>Ziehen von %1 Satellit</translation>
    </message>
    <message>
        <source>Drag %1 Satellites</source>
        <translation>Ziehen von %1 Satelliten</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Bearbeiten eines Senders</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Hinzufügen eines Senders</translation>
    </message>
    <message>
        <source>Move %1 Channel</source>
        <translation>Verschieben von %1 Sender</translation>
    </message>
    <message>
        <source>Move %1 Channels</source>
        <translation>Verschieben von %1 Sendern</translation>
    </message>
    <message>
        <source>Delete %1 Channel</source>
        <translation>Löschen von %1 Sender</translation>
    </message>
    <message>
        <source>Delete %1 Channels</source>
        <translation>Löschen von %1 Sendern</translation>
    </message>
    <message>
        <source>Drag %1 Channel</source>
        <translation>Ziehen von %1 Sender</translation>
    </message>
    <message>
        <source>Drag %1 Channels</source>
        <translation>Ziehen von %1 Sendern</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Bearbeiten eines Satelliten</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Hinzufügen eines Satelliten</translation>
    </message>
    <message>
        <source>Delete All Transponders of Satellite %1</source>
        <translation>Löschen aller Transponder von Satellit %1</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Löschen eines Satelliten</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Bearbeiten eines Transponders</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Hinzufügen eines Transponders</translation>
    </message>
    <message>
        <source>Delete All Channels of Transponder %1</source>
        <translation>Löschen aller Sender von Transponder %1</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Löschen eines Transponders</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>You must add a satellite first!</source>
        <translation>Sie müssen zuerst einen Satelliten hinzufügen!</translation>
    </message>
    <message>
        <source>You must add a tp first!</source>
        <translation>Sie müssen zuerst einen Transponder hinzufügen!</translation>
    </message>
    <message>
        <source>No channel matches the filter.</source>
        <translation>Kein Sender passt zum Filter.</translation>
    </message>
    <message>
        <source>No Tv channel</source>
        <translation>Kein TV-Sender</translation>
    </message>
    <message>
        <source>No Radio channel</source>
        <translation>Kein Radiosender</translation>
    </message>
    <message>
        <source>There&apos;s only %1 Channel can be add!</source>
        <translation>Es können nur %1 Sender hinzugefügt werden!</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>Sat-Name</translation>
    </message>
    <message>
        <source>Fre</source>
        <translation>Freq</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>VPID</source>
        <translation>VPID</translation>
    </message>
    <message>
        <source>APID</source>
        <translation>APID</translation>
    </message>
    <message>
        <source>PCRPID</source>
        <translation>PCRPID</translation>
    </message>
    <message>
        <source>TTXPID</source>
        <translation>TTXPID</translation>
    </message>
    <message>
        <source>AC3PID</source>
        <translation>AC3PID</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>ServiceID</translation>
    </message>
    <message>
        <source>NetworkID</source>
        <translation>NetworkID</translation>
    </message>
    <message>
        <source>TransID</source>
        <translation>TransID</translation>
    </message>
</context>
<context>
    <name>ChannelListPane</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter (Ctrl+F): name, or a PID, Service ID, Network ID, TransID or frequency</source>
        <translation>Filter (Strg+F): Name oder eine PID, Service-ID, Netzwerk-ID, TransID oder Frequenz</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 von %2 Sendern</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>The transponder capacity of %1 is larger than the limit of %2.</source>
        <translation>Die Transponderkapazität von %1 überschreitet die Obergrenze von %2.</translation>
    </message>
    <message>
        <source>The channel capacity of %1 is larger than the limit of %2.</source>
        <translation>Die Senderkapazität von %1 überschreitet die Obergrenze von %2.</translation>
    </message>
    <message>
        <source>The database holds %1 satellites, more than its capacity of %2.</source>
        <translation>Die Datenbank enthält %1 Satelliten, mehr als ihre Kapazität von %2.</translation>
    </message>
    <message>
        <source>The database holds %1 transponders, more than its capacity of %2.</source>
        <translation>Die Datenbank enthält %1 Transponder, mehr als ihre Kapazität von %2.</translation>
    </message>
    <message>
        <source>The database holds %1 TV and %2 radio channels, more than its %3 channel slots: TV and radio channels would overlap.</source>
        <translation>Die Datenbank enthält %1 TV- und %2 Radiosender, mehr als ihre %3 Senderplätze: TV- und Radiosender würden sich überschneiden.</translation>
    </message>
    <message>
        <source>The user block size of %1 bytes is larger than the largest user block (%2 bytes).</source>
        <translation>Die Benutzerblockgröße von %1 Bytes übersteigt den größtmöglichen Benutzerblock (%2 Bytes).</translation>
    </message>
    <message>
        <source>The image of %1 bytes is larger than the largest image (%2 bytes).</source>
        <translation>Das Abbild mit %1 Bytes ist größer als das größtmögliche Abbild (%2 Bytes).</translation>
    </message>
    <message>
        <source>The default-channel block holds at most %1 satellites, fewer than the %2 in the database.</source>
        <translation>Der Standardsender-Block fasst höchstens %1 Satelliten, weniger als die %2 in der Datenbank.</translation>
    </message>
    <message>
        <source>The default-channel block holds at most %1 transponders, fewer than the %2 in the database.</source>
        <translation>Der Standardsender-Block fasst höchstens %1 Transponder, weniger als die %2 in der Datenbank.</translation>
    </message>
    <message>
        <source>The default-channel block holds at most %1 channels, fewer than the %2 in the database.</source>
        <translation>Der Standardsender-Block fasst höchstens %1 Sender, weniger als die %2 in der Datenbank.</translation>
    </message>
    <message>
        <source>%1: %2 %3 does not fit the image, which holds 0 to %4.</source>
        <translation>%1: %2 %3 passt nicht in das Abbild, das nur 0 bis %4 aufnehmen kann.</translation>
    </message>
    <message>
        <source>Transponder %1 (%2 %3)</source>
        <translation>Transponder %1 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 has no name.</source>
        <translation>%1 hat keinen Namen.</translation>
    </message>
    <message>
        <source>%1 has no transponders.</source>
        <translation>%1 hat keine Transponder.</translation>
    </message>
    <message>
        <source>%1 belongs to satellite %2, which does not exist (there are %3 satellites).</source>
        <translation>%1 gehört zu Satellit %2, den es nicht gibt (es gibt %3 Satelliten).</translation>
    </message>
    <message>
        <source>%1 on satellite %2 duplicates transponder %3.</source>
        <translation>%1 auf Satellit %2 ist ein Duplikat von Transponder %3.</translation>
    </message>
    <message>
        <source>%1 has no channels.</source>
        <translation>%1 hat keine Sender.</translation>
    </message>
    <message>
        <source>%1 is on transponder %2, which does not exist (there are %3 transponders).</source>
        <translation>%1 liegt auf Transponder %2, den es nicht gibt (es gibt %3 Transponder).</translation>
    </message>
    <message>
        <source>%1 is on transponder %2; the image can hold transponder numbers up to 2047 only.</source>
        <translation>%1 liegt auf Transponder %2; das Abbild kann nur Transpondernummern bis 2047 aufnehmen.</translation>
    </message>
    <message>
        <source>%1 duplicates %2 (transponder %3, Service ID %4).</source>
        <translation>%1 ist ein Duplikat von %2 (Transponder %3, Service-ID %4).</translation>
    </message>
    <message>
        <source>%1 has neither a video nor an audio PID.</source>
        <translation>%1 hat weder eine Video- noch eine Audio-PID.</translation>
    </message>
    <message>
        <source>%1 is in the radio list but marked as a TV channel.</source>
        <translation>%1 steht in der Radioliste, ist aber als TV-Sender gekennzeichnet.</translation>
    </message>
    <message>
        <source>%1 is in the TV list but marked as a radio channel.</source>
        <translation>%1 steht in der TV-Liste, ist aber als Radiosender gekennzeichnet.</translation>
    </message>
</context>
<context>
    <name>CheckQuestion</name>
    <message>
        <source>The channel list has 1 error that the box would misread:
</source>
        <translation>Die Senderliste enthält 1 Fehler, den der Receiver falsch lesen würde:
</translation>
    </message>
    <message>
        <source>The channel list has %1 errors that the box would misread:
</source>
        <translation>Die Senderliste enthält %1 Fehler, die der Receiver falsch lesen würde:
</translation>
    </message>
    <message>
        <source>(and %1 more; Data &quot;Check Database&quot; lists them all)</source>
        <translation>(und %1 weitere; „Datenbank prüfen“ im Menü „Daten“ listet alle auf)</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Datenbank prüfen</translation>
    </message>
</context>
<context>
    <name>CheckReportModel</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Erstellt ein neues Dokument
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Öffnet ein vorhandenes Dokument
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Speichert das aktive Dokument
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Speichert das aktive Dokument unter einem neuen Namen
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Import List...</source>
        <translation>Liste &amp;importieren...</translation>
    </message>
    <message>
        <source>Replace the channels, transponders and satellites by those of the CSV files Export List writes
Import List</source>
        <translation>Ersetzt die Sender, Transponder und Satelliten durch die aus den CSV-Dateien, die „Liste exportieren“ schreibt
Liste importieren</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>Liste &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the channels, transponders and satellites as CSV files
Export List</source>
        <translation>Schreibt die Sender, Transponder und Satelliten als CSV-Dateien
Liste exportieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Druckt das aktive Dokument
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Zeigt ganze Seiten an
Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker ein&amp;richten...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Ändert den Drucker und die Druckoptionen
Drucker einrichten</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Öffnet dieses Dokument</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Beendet das Programm; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Macht die letzte Aktion rückgängig
Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Stellt die zuletzt rückgängig gemachte Aktion wieder her
Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Schneidet die Auswahl aus und legt sie in die Zwischenablage
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Kopiert die Auswahl in die Zwischenablage
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Fügt den Inhalt der Zwischenablage ein
Einfügen</translation>
    </message>
    <message>
        <source>&amp;Find Channels</source>
        <translation>Sender &amp;suchen</translation>
    </message>
    <message>
        <source>Show only the channels whose name or numbers match a text
Find Channels</source>
        <translation>Zeigt nur die Sender, deren Name oder Nummern zu einem Text passen
Sender suchen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Blendet die Werkzeugleiste ein oder aus
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Blendet die Statusleiste ein oder aus
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Schrift&amp;art</translation>
    </message>
    <message>
        <source>&amp;Line Monitor</source>
        <translation>&amp;Leitungsmonitor</translation>
    </message>
    <message>
        <source>Show every byte sent and received, in hexadecimal and as text
Line Monitor</source>
        <translation>Zeigt jedes gesendete und empfangene Byte, hexadezimal und als Text
Leitungsmonitor</translation>
    </message>
    <message>
        <source>F&amp;lash</source>
        <translation>F&amp;lash</translation>
    </message>
    <message>
        <source>&amp;Flash Select</source>
        <translation>&amp;Flash auswählen</translation>
    </message>
    <message>
        <source>&amp;Com</source>
        <translation>&amp;COM</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>&amp;COM einrichten</translation>
    </message>
    <message>
        <source>Com C&amp;onnect</source>
        <translation>COM &amp;verbinden</translation>
    </message>
    <message>
        <source>Com &amp;Disconnect	F6</source>
        <translation>COM &amp;trennen	F6</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Akt&amp;ualisierung</translation>
    </message>
    <message>
        <source>&amp;Update Parameters</source>
        <translation>&amp;Parameter aktualisieren</translation>
    </message>
    <message>
        <source>
Update Parameters</source>
        <translation>
Parameter aktualisieren</translation>
    </message>
    <message>
        <source>Update &amp;Software</source>
        <translation>&amp;Software aktualisieren</translation>
    </message>
    <message>
        <source>
Update Software</source>
        <translation>
Software aktualisieren</translation>
    </message>
    <message>
        <source>&amp;OTA Software Update</source>
        <translation>&amp;OTA-Software-Aktualisierung</translation>
    </message>
    <message>
        <source>
Update OTA Software</source>
        <translation>
OTA-Software aktualisieren</translation>
    </message>
    <message>
        <source>S&amp;top Update</source>
        <translation>Aktualisierung &amp;abbrechen</translation>
    </message>
    <message>
        <source>Download Stop
Stop Download</source>
        <translation>Übertragung abbrechen
Übertragung abbrechen</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Load Setting from Box </source>
        <translation>Einstellungen vom Receiver &amp;laden </translation>
    </message>
    <message>
        <source>&amp;Send  Setting to Box </source>
        <translation>Einstellungen zum Receiver &amp;senden </translation>
    </message>
    <message>
        <source>&amp;Verify Box Settings</source>
        <translation>Receiver-Einstellungen ü&amp;berprüfen</translation>
    </message>
    <message>
        <source>Load the box&apos;s settings and compare them with the channel list
Verify Box Settings</source>
        <translation>Lädt die Einstellungen des Receivers und vergleicht sie mit der Senderliste
Receiver-Einstellungen überprüfen</translation>
    </message>
    <message>
        <source>&amp;Back up the box&apos;s settings before each send</source>
        <translation>Receiver-Einstellungen vor jedem Senden si&amp;chern</translation>
    </message>
    <message>
        <source>Save the box&apos;s settings beside the current file before every Send Setting to Box</source>
        <translation>Sichert die Einstellungen des Receivers vor jedem „Einstellungen zum Receiver senden“ neben der aktuellen Datei</translation>
    </message>
    <message>
        <source>&amp;Check Database</source>
        <translation>Datenbank &amp;prüfen</translation>
    </message>
    <message>
        <source>List every problem of the channel list, errors first
Check Database</source>
        <translation>Listet jedes Problem der Senderliste auf, Fehler zuerst
Datenbank prüfen</translation>
    </message>
    <message>
        <source>C&amp;ompare with File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Compare the channel list with a parameter image file
Compare with File</source>
        <translation>Vergleicht die Senderliste mit einer Parameter-Abbilddatei
Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>So&amp;rt Channels...</source>
        <translation>Sender so&amp;rtieren...</translation>
    </message>
    <message>
        <source>Sort the channel list shown, or its selected channels, by name, satellite, frequency or Service ID
Sort Channels</source>
        <translation>Sortiert die angezeigte Senderliste oder ihre ausgewählten Sender nach Name, Satellit, Frequenz oder Service-ID
Sender sortieren</translation>
    </message>
    <message>
        <source>Order Like &amp;File...</source>
        <translation>Reihenfolge aus &amp;Datei übernehmen...</translation>
    </message>
    <message>
        <source>Give the TV and radio lists the order of another channel list
Order Like File</source>
        <translation>Gibt der TV- und der Radioliste die Reihenfolge einer anderen Senderliste
Reihenfolge aus Datei übernehmen</translation>
    </message>
    <message>
        <source>Update &amp;Transponders from File...</source>
        <translation>&amp;Transponder aus Datei aktualisieren...</translation>
    </message>
    <message>
        <source>Bring the transponders of the satellites up to date from a transponder XML file
Update Transponders from File</source>
        <translation>Bringt die Transponder der Satelliten anhand einer Transponder-XML-Datei auf den neuesten Stand
Transponder aus Datei aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Transponder List </source>
        <translation>Transponderliste </translation>
    </message>
    <message>
        <source>Satellite List </source>
        <translation>Satellitenliste </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Zev...</source>
        <translation>Ü&amp;ber Zev...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright an
Über</translation>
    </message>
    <message>
        <source>T&amp;erminal</source>
        <translation>&amp;Terminal</translation>
    </message>
    <message>
        <source>
Edit Text   Ctrl+F1</source>
        <translation>
Text bearbeiten   Strg+F1</translation>
    </message>
    <message>
        <source>T&amp;V Channel List</source>
        <translation>T&amp;V-Senderliste</translation>
    </message>
    <message>
        <source>
TV Channel List  Ctrl+F2</source>
        <translation>
TV-Senderliste  Strg+F2</translation>
    </message>
    <message>
        <source>&amp;Radio Channel List</source>
        <translation>&amp;Radiosenderliste</translation>
    </message>
    <message>
        <source>
Radio Channel List  Ctrl+F3</source>
        <translation>
Radiosenderliste  Strg+F3</translation>
    </message>
    <message>
        <source>&amp;Hex Mode</source>
        <translation>&amp;Hex-Modus</translation>
    </message>
    <message>
        <source>
Toggle Hex Mode  F4</source>
        <translation>
Hex-Modus ein/aus  F4</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>%1 satellite</source>
        <translation>%1 Satellit</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 Satelliten</translation>
    </message>
    <message>
        <source>%1 transponder</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>%1 transponders</source>
        <translation>%1 Transponder</translation>
    </message>
    <message>
        <source>%1 TV and %2 radio channel</source>
        <translation>%1 TV- und %2 Radiosender</translation>
    </message>
    <message>
        <source>%1 TV and %2 radio channels</source>
        <translation>%1 TV- und %2 Radiosender</translation>
    </message>
    <message>
        <source>the file is empty; its first line must name the columns</source>
        <translation>die Datei ist leer; ihre erste Zeile muss die Spalten benennen</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is there twice (also column %2)</source>
        <translation>die Spalte &quot;%1&quot; kommt zweimal vor (auch Spalte %2)</translation>
    </message>
    <message>
        <source>there is no column &quot;%1&quot;</source>
        <translation>es gibt keine Spalte &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1: %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1: %2 is not %3, or a number 0 to %4</source>
        <translation>%1: %2 ist weder %3 noch eine Zahl von 0 bis %4</translation>
    </message>
    <message>
        <source>%1 %2 does not fit the image (0 to %3)</source>
        <translation>%1 %2 passt nicht in das Abbild (0 bis %3)</translation>
    </message>
    <message>
        <source>No.: the cell is empty</source>
        <translation>No.: die Zelle ist leer</translation>
    </message>
    <message>
        <source>No. 0: records are numbered from 1</source>
        <translation>No. 0: Datensätze werden ab 1 nummeriert</translation>
    </message>
    <message>
        <source>Name: the character %1 is none a name can hold (Latin-1 only)</source>
        <translation>Name: das Zeichen %1 kann in keinem Namen stehen (nur Latin-1)</translation>
    </message>
    <message>
        <source>Name: the character U+0000 is none a name can hold</source>
        <translation>Name: das Zeichen U+0000 kann in keinem Namen stehen</translation>
    </message>
    <message>
        <source>Name: %1 is longer than %2 characters</source>
        <translation>Name: %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>NameTail: %1 is not a run of hexadecimal byte values</source>
        <translation>NameTail: %1 ist keine Folge hexadezimaler Bytewerte</translation>
    </message>
    <message>
        <source>%1 %2 is record %3 of %4; the image can name no record beyond %5</source>
        <translation>%1 %2 ist Datensatz %3 von %4; das Abbild kann keinen Datensatz nach %5 benennen</translation>
    </message>
    <message>
        <source>%1 %2: no row of %3 has that No.</source>
        <translation>%1 %2: keine Zeile von %3 hat diese No.</translation>
    </message>
    <message>
        <source>more than %1 satellites: the image holds no more (SatCapacity)</source>
        <translation>mehr als %1 Satelliten: das Abbild fasst nicht mehr (SatCapacity)</translation>
    </message>
    <message>
        <source>No. %1 is there twice (also on line %2)</source>
        <translation>No. %1 kommt zweimal vor (auch in Zeile %2)</translation>
    </message>
    <message>
        <source>more than %1 transponders: the image holds no more (TpCapacity)</source>
        <translation>mehr als %1 Transponder: das Abbild fasst nicht mehr (TpCapacity)</translation>
    </message>
    <message>
        <source>%1 %2 does not agree with satellite %3 of %4 (%5); leave the cell empty to take the satellite&apos;s</source>
        <translation>%1 %2 stimmt nicht mit Satellit %3 von %4 (%5) überein; lassen Sie die Zelle leer, um den Wert des Satelliten zu übernehmen</translation>
    </message>
    <message>
        <source>%1 %2 does not agree with transponder %3 of %4 (%5); leave the cell empty to take the transponder&apos;s</source>
        <translation>%1 %2 stimmt nicht mit Transponder %3 von %4 (%5) überein; lassen Sie die Zelle leer, um den Wert des Transponders zu übernehmen</translation>
    </message>
    <message>
        <source>Tp %1 names no transponder, but %2 is given; leave the transponder&apos;s columns empty</source>
        <translation>Tp %1 benennt keinen Transponder, aber %2 ist angegeben; lassen Sie die Spalten des Transponders leer</translation>
    </message>
    <message>
        <source>more than %1 channels (TV and radio together): the image holds no more (ChannelCapacity)</source>
        <translation>mehr als %1 Sender (TV und Radio zusammen): das Abbild fasst nicht mehr (ChannelCapacity)</translation>
    </message>
    <message>
        <source>List: %1 is neither TV nor Radio</source>
        <translation>List: %1 ist weder TV noch Radio</translation>
    </message>
    <message>
        <source>the quoted cell that starts here is never closed</source>
        <translation>die Zelle in Anführungszeichen, die hier beginnt, wird nie geschlossen</translation>
    </message>
    <message>
        <source>text follows the closing quote of the cell</source>
        <translation>nach dem schließenden Anführungszeichen der Zelle folgt noch Text</translation>
    </message>
    <message>
        <source>the file is UTF-16 text; save it as CSV in UTF-8</source>
        <translation>die Datei ist UTF-16-Text; speichern Sie sie als CSV in UTF-8</translation>
    </message>
    <message>
        <source>the cell is not UTF-8 text</source>
        <translation>die Zelle ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>DatabaseJson</name>
    <message>
        <source>not valid JSON at offset %1: %2</source>
        <translation>kein gültiges JSON an Position %1: %2</translation>
    </message>
    <message>
        <source>the JSON must be an object</source>
        <translation>das JSON muss ein Objekt sein</translation>
    </message>
    <message>
        <source>unknown member &quot;%1&quot;</source>
        <translation>unbekanntes Element &quot;%1&quot;</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>doppelt angegeben</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>ein Array erwartet</translation>
    </message>
    <message>
        <source>more entries than the count field holds (%1)</source>
        <translation>mehr Einträge, als das Zählfeld fasst (%1)</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>ein Objekt erwartet</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot;</source>
        <translation>unbekanntes Feld &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is out of range 0..%2 (the image holds no more)</source>
        <translation>%1 liegt außerhalb des Bereichs 0..%2 (das Abbild fasst nicht mehr)</translation>
    </message>
    <message>
        <source>expected a whole number %1</source>
        <translation>eine ganze Zahl %1 erwartet</translation>
    </message>
    <message>
        <source>%1 is out of range %2</source>
        <translation>%1 liegt außerhalb des Bereichs %2</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>eine Zeichenkette erwartet</translation>
    </message>
    <message>
        <source>longer than 12 characters</source>
        <translation>länger als 12 Zeichen</translation>
    </message>
    <message>
        <source>character %1 is not a byte (U+0000..U+00FF)</source>
        <translation>das Zeichen %1 ist kein Byte (U+0000..U+00FF)</translation>
    </message>
    <message>
        <source>a &apos;:&apos; is missing after a member&apos;s name</source>
        <translation>nach dem Namen eines Elements fehlt ein &apos;:&apos;</translation>
    </message>
    <message>
        <source>an object is missing</source>
        <translation>ein Objekt fehlt</translation>
    </message>
    <message>
        <source>an array is missing</source>
        <translation>ein Array fehlt</translation>
    </message>
    <message>
        <source>unexpected character</source>
        <translation>unerwartetes Zeichen</translation>
    </message>
    <message>
        <source>the object is not closed</source>
        <translation>das Objekt wird nicht geschlossen</translation>
    </message>
    <message>
        <source>a &apos;,&apos; or &apos;}&apos; is missing</source>
        <translation>ein &apos;,&apos; oder &apos;}&apos; fehlt</translation>
    </message>
    <message>
        <source>a member&apos;s name is missing</source>
        <translation>der Name eines Elements fehlt</translation>
    </message>
    <message>
        <source>the array is not closed</source>
        <translation>das Array wird nicht geschlossen</translation>
    </message>
    <message>
        <source>a &apos;,&apos; or &apos;]&apos; is missing</source>
        <translation>ein &apos;,&apos; oder &apos;]&apos; fehlt</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>eine Zahl ist fehlerhaft</translation>
    </message>
    <message>
        <source>an unknown word stands where a value belongs</source>
        <translation>ein unbekanntes Wort steht, wo ein Wert hingehört</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>die Werte sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>the text ends where a value belongs</source>
        <translation>der Text endet, wo ein Wert hingehört</translation>
    </message>
    <message>
        <source>a value is missing</source>
        <translation>ein Wert fehlt</translation>
    </message>
    <message>
        <source>the text ends inside an object or array</source>
        <translation>der Text endet innerhalb eines Objekts oder Arrays</translation>
    </message>
    <message>
        <source>more text follows the end of the JSON</source>
        <translation>nach dem Ende des JSON folgt weiterer Text</translation>
    </message>
    <message>
        <source>a \u escape is cut short</source>
        <translation>eine \u-Escape-Sequenz ist abgeschnitten</translation>
    </message>
    <message>
        <source>a \u escape holds a character that is no hexadecimal digit</source>
        <translation>eine \u-Escape-Sequenz enthält ein Zeichen, das keine Hexadezimalziffer ist</translation>
    </message>
    <message>
        <source>the text ends inside a string</source>
        <translation>der Text endet innerhalb einer Zeichenkette</translation>
    </message>
    <message>
        <source>a string holds an unknown escape</source>
        <translation>eine Zeichenkette enthält eine unbekannte Escape-Sequenz</translation>
    </message>
    <message>
        <source>a string holds half of a surrogate pair</source>
        <translation>eine Zeichenkette enthält ein halbes Surrogatpaar</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>der Text ist kein UTF-8</translation>
    </message>
    <message>
        <source>a string holds a control character</source>
        <translation>eine Zeichenkette enthält ein Steuerzeichen</translation>
    </message>
</context>
<context>
    <name>DeviceWatch</name>
    <message>
        <source>%1 has gone away</source>
        <translation>%1 ist nicht mehr verfügbar</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <translation>%1 ist wieder verfügbar</translation>
    </message>
</context>
<context>
    <name>DialogControls</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DiffTreeModel</name>
    <message>
        <source>Name &quot;%1&quot;%2&quot;%3&quot;</source>
        <translation>Name &quot;%1&quot;%2&quot;%3&quot;</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>was %1</source>
        <translation>vorher %1</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 verschoben</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>1 header field differs</source>
        <translation>1 Kopffeld weicht ab</translation>
    </message>
    <message>
        <source>%1 header fields differ</source>
        <translation>%1 Kopffelder weichen ab</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Sender</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiosender</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>the output %1 is the same file as the input %2</source>
        <translation>die Ausgabe %1 ist dieselbe Datei wie die Eingabe %2</translation>
    </message>
    <message>
        <source>the outputs %1 and %2 are the same file</source>
        <translation>die Ausgaben %1 und %2 sind dieselbe Datei</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large (more than %2)</source>
        <translation>%1 ist zu groß (mehr als %2)</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1; the default settings are used</source>
        <translation>%1; es werden die Standardeinstellungen verwendet</translation>
    </message>
</context>
<context>
    <name>ImageLayout</name>
    <message>
        <source>user block</source>
        <translation>Benutzerblock</translation>
    </message>
    <message>
        <source>default-channel block</source>
        <translation>Standardsenderblock</translation>
    </message>
    <message>
        <source>image</source>
        <translation>Abbild</translation>
    </message>
    <message>
        <source>The %1&apos;s transponder capacity of %2 is larger than the limit of %3.</source>
        <translation>Die Transponderkapazität von %2 im %1 überschreitet die Obergrenze von %3.</translation>
    </message>
    <message>
        <source>The %1&apos;s channel capacity of %2 is larger than the limit of %3.</source>
        <translation>Die Senderkapazität von %2 im %1 überschreitet die Obergrenze von %3.</translation>
    </message>
    <message>
        <source>The %1 holds %2 satellites, more than its capacity of %3.</source>
        <translation>Im %1 stehen %2 Satelliten, mehr als seine Kapazität von %3.</translation>
    </message>
    <message>
        <source>The %1 holds %2 transponders, more than its capacity of %3.</source>
        <translation>Im %1 stehen %2 Transponder, mehr als seine Kapazität von %3.</translation>
    </message>
    <message>
        <source>The %1 holds %2 TV and %3 radio channels, more than its channel capacity of %4.</source>
        <translation>Im %1 stehen %2 TV- und %3 Radiosender, mehr als seine Senderkapazität von %4.</translation>
    </message>
    <message>
        <source>The %1 of %2 bytes is too small for its header, satellite and transponder areas (%3 bytes).</source>
        <translation>Der %1 mit %2 Bytes ist zu klein für seinen Kopf, Satelliten- und Transponderbereich (%3 Bytes).</translation>
    </message>
    <message>
        <source>The %1 has room for %2 channels, too few for its %3 TV and %4 radio channels.</source>
        <translation>Der %1 hat Platz für %2 Sender, zu wenig für seine %3 TV- und %4 Radiosender.</translation>
    </message>
    <message>
        <source>The %1 of %2 bytes is not whole flash blocks of %3 bytes; the receiver takes no other.</source>
        <translation>Der %1 mit %2 Bytes besteht nicht aus ganzen Flash-Blöcken zu %3 Bytes; der Receiver nimmt keinen anderen an.</translation>
    </message>
</context>
<context>
    <name>LineMonitorModel</name>
    <message>
        <source>(dropped: the monitor&apos;s buffer was full)</source>
        <translation>(verworfen: Der Puffer des Monitors war voll)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>Can&apos;t read %1.
%2</source>
        <translation>%1 kann nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Only parameter images (.stc, .def, .all), the JSON form (.json) and the CSV files of Export List (.csv) can give the order:
%1</source>
        <translation>Nur Parameter-Abbilder (.stc, .def, .all), die JSON-Form (.json) und die CSV-Dateien von „Liste exportieren“ (.csv) können die Reihenfolge vorgeben:
%1</translation>
    </message>
    <message>
        <source>Can&apos;t read %1:
%2</source>
        <translation>%1 kann nicht gelesen werden:
%2</translation>
    </message>
</context>
<context>
    <name>ListPrinter</name>
    <message>
        <source>TV Channel List</source>
        <translation>TV-Senderliste</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Radiosenderliste</translation>
    </message>
</context>
<context>
    <name>NumberBox</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1 muss eine Zahl von 0 bis %2 sein.</translation>
    </message>
</context>
<context>
    <name>ParameterDataFile</name>
    <message>
        <source>The file holds %1 S lines; at most %2 fit.</source>
        <translation>Die Datei enthält %1 S-Zeilen; höchstens %2 haben Platz.</translation>
    </message>
    <message>
        <source>The file holds %1 T lines; at most %2 fit.</source>
        <translation>Die Datei enthält %1 T-Zeilen; höchstens %2 haben Platz.</translation>
    </message>
    <message>
        <source>The file holds %1 C lines; at most %2 fit.</source>
        <translation>Die Datei enthält %1 C-Zeilen; höchstens %2 haben Platz.</translation>
    </message>
    <message>
        <source>The update image of %1 bytes is larger than its buffer of %2 bytes.</source>
        <translation>Das Aktualisierungsabbild mit %1 Bytes ist größer als sein Puffer mit %2 Bytes.</translation>
    </message>
</context>
<context>
    <name>ParameterImage</name>
    <message>
        <source>TV channel %1 &quot;%2&quot; is on transponder %3; the image can hold transponder numbers up to 2047 only.</source>
        <translation>TV-Sender %1 &quot;%2&quot; liegt auf Transponder %3; das Abbild kann nur Transpondernummern bis 2047 aufnehmen.</translation>
    </message>
    <message>
        <source>Radio channel %1 &quot;%2&quot; is on transponder %3; the image can hold transponder numbers up to 2047 only.</source>
        <translation>Radiosender %1 &quot;%2&quot; liegt auf Transponder %3; das Abbild kann nur Transpondernummern bis 2047 aufnehmen.</translation>
    </message>
    <message>
        <source>The image is %1 bytes long, too short for its 72-byte header.</source>
        <translation>Das Abbild ist %1 Bytes lang, zu kurz für seinen 72 Bytes langen Kopf.</translation>
    </message>
    <message>
        <source>The image&apos;s %1 size of %2 bytes is larger than the largest user block (%3 bytes).</source>
        <translation>Der %1 des Abbilds ist mit %2 Bytes größer als der größtmögliche Benutzerblock (%3 Bytes).</translation>
    </message>
    <message>
        <source>The image is %1 bytes long, shorter than the %2-byte %3 its header describes.</source>
        <translation>Das Abbild ist %1 Bytes lang, kürzer als der %2 Bytes große %3, den sein Kopf beschreibt.</translation>
    </message>
    <message>
        <source>The image is %1 bytes long, too short for a %2-byte default-channel block followed by a user block.</source>
        <translation>Das Abbild ist %1 Bytes lang, zu kurz für einen %2 Bytes großen Standardsenderblock mit folgendem Benutzerblock.</translation>
    </message>
    <message>
        <source>The image of %1 bytes is larger than the largest image (%2 bytes).</source>
        <translation>Das Abbild mit %1 Bytes ist größer als das größtmögliche Abbild (%2 Bytes).</translation>
    </message>
    <message>
        <source>The image of %1 bytes does not fit the %2-byte output buffer.</source>
        <translation>Das Abbild mit %1 Bytes passt nicht in den Ausgabepuffer mit %2 Bytes.</translation>
    </message>
    <message>
        <source>The user block size of %1 bytes is larger than the largest user block (%2 bytes).</source>
        <translation>Die Benutzerblockgröße von %1 Bytes übersteigt den größtmöglichen Benutzerblock (%2 Bytes).</translation>
    </message>
</context>
<context>
    <name>ReceiverController</name>
    <message>
        <source>Connect:</source>
        <translation>Verbunden:</translation>
    </message>
    <message>
        <source>Disconnect:</source>
        <translation>Getrennt:</translation>
    </message>
    <message>
        <source>The box&apos;s settings could not be saved as %1 (%2), so nothing is sent.</source>
        <translation>Die Einstellungen des Receivers konnten nicht als %1 gesichert werden (%2), daher wird nichts gesendet.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Send it anyway?</source>
        <translation>Trotzdem senden?</translation>
    </message>
    <message>
        <source>Update Parameters</source>
        <translation>Parameter aktualisieren</translation>
    </message>
    <message>
        <source>Update Software</source>
        <translation>Software aktualisieren</translation>
    </message>
    <message>
        <source>OTA Software Update</source>
        <translation>OTA-Software-Aktualisierung</translation>
    </message>
    <message>
        <source>Load Setting from Box</source>
        <translation>Einstellungen vom Receiver laden</translation>
    </message>
    <message>
        <source>Send Setting to Box</source>
        <translation>Einstellungen zum Receiver senden</translation>
    </message>
    <message>
        <source>Verify Box Settings</source>
        <translation>Receiver-Einstellungen überprüfen</translation>
    </message>
    <message>
        <source>%1: nothing was done</source>
        <translation>%1: Es wurde nichts ausgeführt</translation>
    </message>
    <message>
        <source>%1 was stopped</source>
        <translation>„%1“ wurde abgebrochen</translation>
    </message>
    <message>
        <source>The box&apos;s settings differ from the channel list</source>
        <translation>Die Einstellungen des Receivers weichen von der Senderliste ab</translation>
    </message>
    <message>
        <source>%1 failed; the terminal says why</source>
        <translation>„%1“ ist fehlgeschlagen; das Terminal zeigt den Grund</translation>
    </message>
    <message>
        <source>Updated the box&apos;s parameters</source>
        <translation>Die Parameter des Receivers wurden aktualisiert</translation>
    </message>
    <message>
        <source>Updated the box&apos;s software</source>
        <translation>Die Software des Receivers wurde aktualisiert</translation>
    </message>
    <message>
        <source>Loaded from the box: %1 TV and %2 radio channels</source>
        <translation>Vom Receiver geladen: %1 TV- und %2 Radiosender</translation>
    </message>
    <message>
        <source>Sent to the box</source>
        <translation>Zum Receiver gesendet</translation>
    </message>
    <message>
        <source>Sent to the box; its settings before were saved as %1</source>
        <translation>Zum Receiver gesendet; seine vorherigen Einstellungen wurden als %1 gesichert</translation>
    </message>
    <message>
        <source>Verified: the box holds the same settings as the channel list</source>
        <translation>Überprüft: Der Receiver hat dieselben Einstellungen wie die Senderliste</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Header</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>Transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>TV channel %1</source>
        <translation>TV-Sender %1</translation>
    </message>
    <message>
        <source>Radio channel %1</source>
        <translation>Radiosender %1</translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
</context>
<context>
    <name>RecordListDlg</name>
    <message>
        <source>You have to select a Satellite first!</source>
        <translation>Sie müssen zuerst einen Satelliten auswählen!</translation>
    </message>
    <message>
        <source>You must select a Transponder first!</source>
        <translation>Sie müssen zuerst einen Transponder auswählen!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>Reorder</name>
    <message>
        <source>TV: %1 of %2 channel placed like the reference; radio: %3 of %4</source>
        <translation>TV: %1 von %2 Sender wie in der Vorlage angeordnet; Radio: %3 von %4</translation>
    </message>
    <message>
        <source>TV: %1 of %2 channels placed like the reference; radio: %3 of %4</source>
        <translation>TV: %1 von %2 Sendern wie in der Vorlage angeordnet; Radio: %3 von %4</translation>
    </message>
</context>
<context>
    <name>RunHost</name>
    <message>
        <source>
Failed to open %1.</source>
        <translation>
%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Nothing is sent.</source>
        <translation>Es wird nichts gesendet.</translation>
    </message>
    <message>
        <source>Please open params data file!</source>
        <translation>Bitte öffnen Sie eine Parameter-Datendatei!</translation>
    </message>
    <message>
        <source>
Failed to open %1. </source>
        <translation>
%1 konnte nicht geöffnet werden. </translation>
    </message>
    <message>
        <source>Input file is invalid !</source>
        <translation>Die Eingabedatei ist ungültig!</translation>
    </message>
    <message>
        <source>Please open software data file!</source>
        <translation>Bitte öffnen Sie eine Software-Datendatei!</translation>
    </message>
    <message>
        <source>Please open transfer data file!</source>
        <translation>Bitte öffnen Sie eine Übertragungs-Datendatei!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Input file is invalid, exit!</source>
        <translation>Die Eingabedatei ist ungültig, Abbruch!</translation>
    </message>
    <message>
        <source>Please open ota software data file!</source>
        <translation>Bitte öffnen Sie eine OTA-Software-Datendatei!</translation>
    </message>
    <message>
        <source>Too much default chnnels, only cancel this SEND!</source>
        <translation>Zu viele Standardsender, dieses Senden wird abgebrochen!</translation>
    </message>
</context>
<context>
    <name>RunQuestion</name>
    <message>
        <source>Modify Default Channels the same?</source>
        <translation>Standardsender ebenso ändern?</translation>
    </message>
    <message>
        <source>Send Channels Data</source>
        <translation>Senderdaten senden</translation>
    </message>
    <message>
        <source>Too much channels, cancel modify default channels ?</source>
        <translation>Zu viele Sender. Ändern der Standardsender abbrechen?</translation>
    </message>
</context>
<context>
    <name>SettingsDialogLayout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <source>The OTA software file cannot be read.</source>
        <translation>Die OTA-Softwaredatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The OTA software file is too short to hold its information offset.</source>
        <translation>Die OTA-Softwaredatei ist zu kurz für den Versatz ihrer Informationen.</translation>
    </message>
    <message>
        <source>The OTA software file&apos;s information at offset %1 lies beyond its end (%2 bytes).</source>
        <translation>Die Informationen der OTA-Softwaredatei bei Versatz %1 liegen hinter ihrem Ende (%2 Bytes).</translation>
    </message>
    <message>
        <source>The OTA software length %1 is larger than the file (%2 bytes).</source>
        <translation>Die OTA-Softwarelänge %1 ist größer als die Datei (%2 Bytes).</translation>
    </message>
    <message>
        <source>The OTA software length %1 needs more than %2 blocks.</source>
        <translation>Die OTA-Softwarelänge %1 braucht mehr als %2 Blöcke.</translation>
    </message>
</context>
<context>
    <name>StatusPanes</name>
    <message>
        <source>Disconnect:</source>
        <translation>Getrennt:</translation>
    </message>
    <message>
        <source>TV list: 0000 channels</source>
        <translation>TV-Liste: 0000 Sender</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Übertragungsfortschritt</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>SubList</name>
    <message>
        <source>Satellite: %1  Total TP: %2</source>
        <translation>Satellit: %1  TP gesamt: %2</translation>
    </message>
    <message>
        <source>Transponder %1: %2 %3 %4  Total CH: %5</source>
        <translation>Transponder %1: %2 %3 %4  Sender gesamt: %5</translation>
    </message>
</context>
<context>
    <name>SubListDlg</name>
    <message>
        <source>No     Fre        Pol    Symbol</source>
        <translation>Nr.    Freq       Pol    Symbol</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TablePages</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TransponderListHeader</name>
    <message>
        <source>No.     Satellite         Fre         Pol        Transsymbol       TransID   </source>
        <translation>Nr.     Satellit          Freq        Pol        Symbolrate        Trans-ID  </translation>
    </message>
</context>
<context>
    <name>TransponderUpdate</name>
    <message>
        <source>the file has no satellite at %1</source>
        <translation>die Datei hat keinen Satelliten auf %1</translation>
    </message>
    <message>
        <source>it has no name to look for in the file</source>
        <translation>er hat keinen Namen, nach dem in der Datei gesucht werden kann</translation>
    </message>
    <message>
        <source>no satellite of the file has %1 in its name</source>
        <translation>kein Satellit der Datei hat %1 im Namen</translation>
    </message>
    <message>
        <source>%1 satellites of the file could be it:%2</source>
        <translation>%1 Satelliten der Datei kommen infrage:%2</translation>
    </message>
    <message>
        <source>no satellite of the file chosen</source>
        <translation>kein Satellit der Datei gewählt</translation>
    </message>
</context>
<context>
    <name>TransponderXml</name>
    <message>
        <source>the file holds no XML element</source>
        <translation>die Datei enthält kein XML-Element</translation>
    </message>
    <message>
        <source>the outermost element is %1, not &lt;satellites&gt;</source>
        <translation>das äußerste Element ist %1, nicht &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 hat kein %2</translation>
    </message>
    <message>
        <source>%1 %2=&quot;%3&quot; is no whole number from %4 to %5</source>
        <translation>%1 %2=&quot;%3&quot; ist keine ganze Zahl von %4 bis %5</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>Verify Box Settings</source>
        <translation>Receiver-Einstellungen überprüfen</translation>
    </message>
    <message>
        <source>There are no channel settings to compare with: open a .stc file or load the box&apos;s settings first.</source>
        <translation>Es gibt keine Sendereinstellungen zum Vergleichen: Öffnen Sie zuerst eine .stc-Datei oder laden Sie die Einstellungen des Receivers.</translation>
    </message>
    <message>
        <source>The box&apos;s settings could not be loaded; nothing was compared.</source>
        <translation>Die Einstellungen des Receivers konnten nicht geladen werden; es wurde nichts verglichen.</translation>
    </message>
    <message>
        <source>The box holds the same settings as the channel list.</source>
        <translation>Der Receiver hat dieselben Einstellungen wie die Senderliste.</translation>
    </message>
    <message>
        <source>The box&apos;s settings differ from the channel list:</source>
        <translation>Die Einstellungen des Receivers weichen von der Senderliste ab:</translation>
    </message>
</context>
</TS>
