<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>COMPARE</name>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Take value</source>
        <translation>Wert übernehmen</translation>
    </message>
    <message>
        <source>Take the selected values onto the pages</source>
        <translation>Gewählte Werte auf die Seiten übernehmen</translation>
    </message>
    <message>
        <source>Take all</source>
        <translation>Alle übernehmen</translation>
    </message>
    <message>
        <source>Take all values onto the pages</source>
        <translation>Alle Werte auf die Seiten übernehmen</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Export the differences as CSV</source>
        <translation>Unterschiede als CSV exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the comparison</source>
        <translation>Vergleich schließen</translation>
    </message>
</context>
<context>
    <name>ChangeMarks</name>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>changed, not sent; %1: %2</source>
        <extracomment>%1 is &quot;controller&quot; or &quot;file&quot;, %2 the value there.</extracomment>
        <translation>geändert, nicht gesendet; %1: %2</translation>
    </message>
    <message>
        <source>holds changes not sent</source>
        <translation>enthält nicht gesendete Änderungen</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>controller</source>
        <translation>Steuergerät</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Cursor readout</source>
        <translation>Cursoranzeige</translation>
    </message>
    <message>
        <source>No samples under the cursors</source>
        <translation>Keine Werte unter den Cursorn</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>Wheel zooms along x, with Ctrl along y; drag pans; Ctrl and drag zooms to a rectangle; double click resets the view. Focused: arrow keys pan, + and - zoom along x, with Ctrl along y</source>
        <translation>Mausrad zoomt entlang x, mit Strg entlang y; Ziehen verschiebt; Strg und Ziehen zoomt auf ein Rechteck; Doppelklick setzt die Ansicht zurück. Mit Fokus: Pfeiltasten verschieben, + und - zoomen entlang x, mit Strg entlang y</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Wert Nr.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Follow the newest samples</source>
        <translation>Den neuesten Werten folgen</translation>
    </message>
    <message>
        <source>Reset view</source>
        <translation>Ansicht zurücksetzen</translation>
    </message>
    <message>
        <source>Auto y range</source>
        <translation>y-Bereich automatisch</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Der Dateiname ist zu lang.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>Das Bild konnte nicht unter %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>The data could not be saved to %1.</source>
        <translation>Die Daten konnten nicht unter %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Save data as CSV...</source>
        <translation>Daten als CSV speichern...</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Follow the newest samples (End)</source>
        <translation>Den neuesten Werten folgen (Ende)</translation>
    </message>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>Time of day (following)</source>
        <translation>Uhrzeit (folgend)</translation>
    </message>
    <message>
        <source>Time of day (looking back)</source>
        <translation>Uhrzeit (Rückblick)</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>%1; exported to %2</source>
        <translation>%1; exportiert nach %2</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.</source>
        <translation>Der Vergleich konnte nicht unter %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Export Comparison</source>
        <translation>Vergleich exportieren</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Der Dateiname ist zu lang.</translation>
    </message>
    <message>
        <source>Compare with file failed.</source>
        <translation>Vergleich mit Datei fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>(no page)</source>
        <translation>(keine Seite)</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wörtern</translation>
    </message>
    <message>
        <source>Pages compared with %1: No difference in %2.</source>
        <translation>Seiten mit %1 verglichen: Kein Unterschied in %2.</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Pages compared with %1: %2 in %3</source>
        <translation>Seiten mit %1 verglichen: %2 in %3</translation>
    </message>
    <message>
        <source>Controller EEPROM</source>
        <translation>Steuergerät-EEPROM</translation>
    </message>
    <message>
        <source>Controller RAM</source>
        <translation>Steuergerät-RAM</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Datei %1</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <source>CHANNEL B</source>
        <translation>KANAL B</translation>
    </message>
    <message>
        <source>CHANNEL IN0</source>
        <translatorcomment>glossary: IN0 is a switching input, not a measuring channel; its own name alone keeps the narrow reset label to two lines</translatorcomment>
        <translation>IN0</translation>
    </message>
    <message>
        <source>CHANNEL A</source>
        <translation>KANAL A</translation>
    </message>
    <message>
        <source>CHANNEL IN1</source>
        <translatorcomment>glossary: IN1 is a switching input, not a measuring channel; its own name alone keeps the narrow reset label to two lines</translatorcomment>
        <translation>IN1</translation>
    </message>
    <message>
        <source>CHAN. B</source>
        <translation>KAN. B</translation>
    </message>
    <message>
        <source>INPUT 0</source>
        <translation>EINGANG 0</translation>
    </message>
    <message>
        <source>CHAN. A</source>
        <translation>KAN. A</translation>
    </message>
    <message>
        <source>INPUT 1</source>
        <translation>EINGANG 1</translation>
    </message>
    <message>
        <source>%1 POS. EDGE</source>
        <translation>POS. FLANKE AN %1</translation>
    </message>
    <message>
        <source>%1 NEG. EDGE</source>
        <translation>NEG. FLANKE AN %1</translation>
    </message>
    <message>
        <source>%1 LOW STATE</source>
        <translation>LOW-PEGEL AN %1</translation>
    </message>
    <message>
        <source>%1 HIGH STATE</source>
        <translation>HIGH-PEGEL AN %1</translation>
    </message>
    <message>
        <source>RESULT VALID ON: %1</source>
        <translation>ERGEBNIS GÜLTIG: %1</translation>
    </message>
    <message>
        <source>AQUIRE MAX VALUE ON: %1</source>
        <translation>MAXIMALWERT ERFASSEN: %1</translation>
    </message>
    <message>
        <source>RESET VALUE ON: %1</source>
        <translation>ZURÜCKSETZEN: %1</translation>
    </message>
    <message>
        <source>STORE ON: %1</source>
        <translation>SPEICHERN: %1</translation>
    </message>
    <message>
        <source>RESULT VALID: NEVER</source>
        <translation>ERGEBNIS GÜLTIG: NIE</translation>
    </message>
    <message>
        <source>AQUIRE MAX VALUE: NEVER</source>
        <translation>MAXIMALWERT ERFASSEN: NIE</translation>
    </message>
    <message>
        <source>RESET VALUE: NEVER</source>
        <translation>ZURÜCKSETZEN: NIE</translation>
    </message>
    <message>
        <source>STORE: NEVER</source>
        <translation>SPEICHERN: NIE</translation>
    </message>
    <message>
        <source>EVERY SAMPLE</source>
        <extracomment>Completes &quot;RESULT VALID ON: %1&quot; and the like.</extracomment>
        <translation>JEDER WERT</translation>
    </message>
    <message>
        <source>MIN</source>
        <translation>MIN</translation>
    </message>
    <message>
        <source>MAX</source>
        <translation>MAX</translation>
    </message>
    <message>
        <source>DIRECT</source>
        <translation>DIREKT</translation>
    </message>
    <message>
        <source>DATA FILTER: %1</source>
        <translation>DATENFILTER: %1</translation>
    </message>
    <message>
        <source>DATA FORMAT: RAW</source>
        <translation>DATENFORMAT: ROHDATEN</translation>
    </message>
    <message>
        <source>DATA FORMAT: NORM</source>
        <translation>DATENFORMAT: NORMIERT</translation>
    </message>
    <message>
        <source>used only with the data format Normalised</source>
        <translation>nur beim Datenformat „Normiert“ verwendet</translation>
    </message>
    <message>
        <source>used only with the data filter Minimum or Maximum</source>
        <translation>nur beim Datenfilter „Minimum“ oder „Maximum“ verwendet</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>TCP port of the controller</source>
        <translation>TCP-Port des Steuergeräts</translation>
    </message>
    <message>
        <source>Error! Connection settings not saved.</source>
        <translation>Fehler! Die Verbindungseinstellungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>CONNECTING SUCCEEDED</source>
        <translation>VERBINDUNGSAUFBAU ERFOLGREICH</translation>
    </message>
    <message>
        <source>CONNECTING FAILED</source>
        <translation>VERBINDUNGSAUFBAU FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>CONNECTION ESTABLISHED</source>
        <translation>VERBINDUNG HERGESTELLT</translation>
    </message>
    <message>
        <source>NO CONNECTION ESTABLISHED</source>
        <translation>KEINE VERBINDUNG HERGESTELLT</translation>
    </message>
    <message>
        <source>Error! IP address history not saved.</source>
        <translation>Fehler! Die Liste der IP-Adressen wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>TRYING TO CONNECT</source>
        <translation>VERBINDUNG WIRD AUFGEBAUT</translation>
    </message>
    <message>
        <source>The port number is a whole number from 1 to 65535.</source>
        <translation>Die Portnummer ist eine ganze Zahl von 1 bis 65535.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>EVAL</name>
    <message>
        <source>Evaluation settings</source>
        <translation>Auswertungseinstellungen</translation>
    </message>
    <message>
        <source>Evaluation and scanning</source>
        <translation>Auswertung und Abtastung</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>&amp;Evaluation mode</source>
        <translation>&amp;Auswertungsmodus</translation>
    </message>
    <message>
        <source>Evaluation mode</source>
        <translation>Auswertungsmodus</translation>
    </message>
    <message>
        <source>How the evaluation value is formed from the channels</source>
        <translation>Wie der Auswertungswert aus den Kanälen gebildet wird</translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Mean of A and B</source>
        <translation>Mittelwert aus A und B</translation>
    </message>
    <message>
        <source>Sum A + B</source>
        <translation>Summe A + B</translation>
    </message>
    <message>
        <source>Difference A - B</source>
        <translation>Differenz A - B</translation>
    </message>
    <message>
        <source>Difference B - A</source>
        <translation>Differenz B - A</translation>
    </message>
    <message>
        <source>Evaluation &amp;averaging</source>
        <translation>&amp;Mittelwertbildung der Auswertung</translation>
    </message>
    <message>
        <source>Evaluation averaging</source>
        <translation>Mittelwertbildung der Auswertung</translation>
    </message>
    <message>
        <source>&amp;Scan frequency</source>
        <translation>Abtast&amp;frequenz</translation>
    </message>
    <message>
        <source>Scan frequency</source>
        <translation>Abtastfrequenz</translation>
    </message>
    <message>
        <source>Scan frequency of both channels</source>
        <translation>Abtastfrequenz beider Kanäle</translation>
    </message>
    <message>
        <source>10 kHz</source>
        <translation>10 kHz</translation>
    </message>
    <message>
        <source>5 kHz</source>
        <translation>5 kHz</translation>
    </message>
    <message>
        <source>2.5 kHz</source>
        <translation>2,5 kHz</translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation>1 kHz</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Einlernen</translation>
    </message>
    <message>
        <source>Teach setting &amp;1</source>
        <translation>Einlernparameter &amp;1</translation>
    </message>
    <message>
        <source>Teach setting 1</source>
        <translation>Einlernparameter 1</translation>
    </message>
    <message>
        <source>Low byte of the teach word</source>
        <translation>Niederwertiges Byte des Einlernworts</translation>
    </message>
    <message>
        <source>Teach setting &amp;2</source>
        <translation>Einlernparameter &amp;2</translation>
    </message>
    <message>
        <source>Teach setting 2</source>
        <translation>Einlernparameter 2</translation>
    </message>
    <message>
        <source>High byte of the teach word</source>
        <translation>Höherwertiges Byte des Einlernworts</translation>
    </message>
</context>
<context>
    <name>EVAL2</name>
    <message>
        <source>Evaluation</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Evaluation: limits</source>
        <translation>Auswertung: Grenzwerte</translation>
    </message>
    <message>
        <source>Reference and limits</source>
        <translation>Referenz und Grenzwerte</translation>
    </message>
    <message>
        <source>&amp;Reference value</source>
        <translation>&amp;Referenzwert</translation>
    </message>
    <message>
        <source>Evaluation reference value</source>
        <translation>Referenzwert der Auswertung</translation>
    </message>
    <message>
        <source>&amp;High tolerance</source>
        <translation>&amp;Obere Toleranz</translation>
    </message>
    <message>
        <source>Evaluation high tolerance</source>
        <translation>Obere Toleranz der Auswertung</translation>
    </message>
    <message>
        <source>Lo&amp;w tolerance</source>
        <translation>&amp;Untere Toleranz</translation>
    </message>
    <message>
        <source>Evaluation low tolerance</source>
        <translation>Untere Toleranz der Auswertung</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>larger than %1 MB, not a parameter file</source>
        <translation>größer als %1 MB, keine Parameterdatei</translation>
    </message>
    <message>
        <source>larger than %1 MB, not a firmware image</source>
        <translation>größer als %1 MB, kein Firmware-Abbild</translation>
    </message>
    <message>
        <source>larger than %1 MB, not a linearisation table</source>
        <translation>größer als %1 MB, keine Linearisierungstabelle</translation>
    </message>
    <message>
        <source>larger than %1 MB, not an address history</source>
        <translation>größer als %1 MB, kein Adressverlauf</translation>
    </message>
    <message>
        <source>larger than %1 MB, not a settings file</source>
        <translation>größer als %1 MB, keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>larger than %1 MB, not a targets file</source>
        <translation>größer als %1 MB, keine Zieldatei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>The image is not sent: line %1 of %2 has %3.</source>
        <translatorcomment>glossary: &quot;line&quot; is a line of a file here, not the connection</translatorcomment>
        <translation>Das Image wird nicht gesendet: Zeile %1 von %2 enthält %3.</translation>
    </message>
    <message>
        <source>The image is not sent: %1 holds no records.</source>
        <translation>Das Image wird nicht gesendet: %1 enthält keine Records.</translation>
    </message>
    <message>
        <source>The image is not sent: %1 does not end with an end record (S7, S8 or S9).</source>
        <translation>Das Image wird nicht gesendet: %1 endet nicht mit einem End-Record (S7, S8 oder S9).</translation>
    </message>
    <message>
        <source>Starting download ... </source>
        <translation>Download wird gestartet ... </translation>
    </message>
    <message>
        <source>OK!</source>
        <translation>OK!</translation>
    </message>
    <message>
        <source>To upgrade the controller you need to establish a connection<byte value="xd"/>
using a RS232 COM port or an RS232-to-USB converter emulating<byte value="xd"/>
an virtual COM port. Upgrade is not supported using TCP/IP.</source>
        <translation>Für ein Update des Steuergeräts stellen Sie bitte eine Verbindung<byte value="xd"/>
über eine RS232-COM-Schnittstelle oder einen RS232-USB-Wandler<byte value="xd"/>
mit virtueller COM-Schnittstelle her. Über TCP/IP ist kein Update möglich.</translation>
    </message>
    <message>
        <source>Firmwareupdate was successful!</source>
        <translation>Das Firmware-Update war erfolgreich!</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <translation>Die Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Please select files first!</source>
        <translation>Bitte wählen Sie zuerst die Dateien aus!</translation>
    </message>
    <message>
        <source>No answer from controller!</source>
        <translation>Keine Antwort vom Steuergerät!</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>The linearisation data of %1 hold %2, fewer than the window needs.</source>
        <translation>Die Linearisierungsdaten von %1 enthalten %2, weniger als das Fenster braucht.</translation>
    </message>
    <message>
        <source>Line %1 of the linearisation data of %2 holds no value of 16 bits.</source>
        <translatorcomment>glossary: &quot;line&quot; is a line of a file here, not the connection</translatorcomment>
        <translation>Zeile %1 der Linearisierungsdaten von %2 enthält keinen 16-Bit-Wert.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The linearisation data of %1 do not fit into the window whole: the window holds %2, the checked tables have %3.</source>
        <translation>Die Linearisierungsdaten von %1 passen nicht vollständig in das Fenster: Das Fenster fasst %2, die ausgewählten Tabellen haben %3.</translation>
    </message>
    <message>
        <source>The window&apos;s start address %1 is not below its end address %2.</source>
        <translation>Die Startadresse %1 des Fensters liegt nicht unter seiner Endadresse %2.</translation>
    </message>
    <message>
        <source>Line %1 of the firmware file has %2.</source>
        <translatorcomment>glossary: &quot;line&quot; is a line of a file here, not the connection</translatorcomment>
        <translation>Zeile %1 der Firmware-Datei enthält %2.</translation>
    </message>
    <message>
        <source>Line %1 of the firmware file writes at %2 over the linearisation data.</source>
        <translatorcomment>glossary: &quot;line&quot; is a line of a file here, not the connection</translatorcomment>
        <translation>Zeile %1 der Firmware-Datei überschreibt bei %2 die Linearisierungsdaten.</translation>
    </message>
    <message>
        <source>The firmware file does not end with an end record (S7, S8 or S9).</source>
        <translation>Die Firmware-Datei endet nicht mit einem End-Record (S7, S8 oder S9).</translation>
    </message>
    <message>
        <source>The window from %1 to %2 holds no data of the firmware file.</source>
        <translation>Das Fenster von %1 bis %2 enthält keine Daten der Firmware-Datei.</translation>
    </message>
    <message>
        <source>Could not open the linearisation data of %1: %2</source>
        <translation>Die Linearisierungsdaten von %1 konnten nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Could not open the firmware file: %1</source>
        <translation>Die Firmware-Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>Could not write the merged file: %1</source>
        <translation>Die zusammengeführte Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Merged %1 of channel A and %2 of channel B.</source>
        <translation>Zusammengeführt: %1 von Kanal A und %2 von Kanal B.</translation>
    </message>
    <message>
        <source>a good record</source>
        <translation>einen gültigen Record</translation>
    </message>
    <message>
        <source>not an S-record</source>
        <translation>keinen S-Record</translation>
    </message>
    <message>
        <source>an unknown record type</source>
        <translation>einen unbekannten Record-Typ</translation>
    </message>
    <message>
        <source>a character that is no hexadecimal digit</source>
        <translation>ein Zeichen, das keine Hexadezimalziffer ist</translation>
    </message>
    <message>
        <source>a byte count that does not match the line</source>
        <translatorcomment>glossary: &quot;line&quot; is a line of a file here, not the connection</translatorcomment>
        <translation>eine Byteanzahl, die nicht zur Zeile passt</translation>
    </message>
    <message>
        <source>a wrong checksum</source>
        <translation>eine falsche Prüfsumme</translation>
    </message>
    <message>
        <source>Load Firmware File</source>
        <translation>Firmware-Datei laden</translation>
    </message>
    <message>
        <source>Select Linearisation Data for Channel A</source>
        <translation>Linearisierungsdaten für Kanal A auswählen</translation>
    </message>
    <message>
        <source>Select Linearisation Data for Channel B</source>
        <translation>Linearisierungsdaten für Kanal B auswählen</translation>
    </message>
    <message>
        <source>Please select all necessary files first!</source>
        <translation>Bitte wählen Sie zuerst alle benötigten Dateien aus!</translation>
    </message>
    <message>
        <source>Select destination for merged file</source>
        <translation>Ziel für die zusammengeführte Datei auswählen</translation>
    </message>
    <message>
        <source>Invalid file or no file selected. Please select correct file!</source>
        <translation>Ungültige oder keine Datei ausgewählt. Bitte wählen Sie eine gültige Datei aus!</translation>
    </message>
</context>
<context>
    <name>FrameMonitor</name>
    <message>
        <source>%1 of %2 frame</source>
        <translation>%1 von %2 Telegramm</translation>
    </message>
    <message>
        <source>%1 of %2 frames</source>
        <translation>%1 von %2 Telegrammen</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The frames could not be saved to %1.</source>
        <translation>Die Telegramme konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Save Frames</source>
        <translation>Telegramme speichern</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Der Dateiname ist zu lang.</translation>
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
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Words (hex)</source>
        <translation>Wörter (hex)</translation>
    </message>
    <message>
        <source>%1 ACK</source>
        <translation>%1 ACK</translation>
    </message>
    <message>
        <source>%1 no ACK</source>
        <translation>%1 kein ACK</translation>
    </message>
    <message>
        <source>DATA_MEMORY block %1</source>
        <translation>DATA_MEMORY Block %1</translation>
    </message>
    <message>
        <source>VERSION text</source>
        <translation>VERSION-Text</translation>
    </message>
    <message>
        <source>DATA_MEMORY no trigger</source>
        <translation>DATA_MEMORY ohne Trigger</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>retry %1</source>
        <translation>Wiederholung %1</translation>
    </message>
    <message>
        <source>write failure, retry %1</source>
        <translation>Schreibfehler, Wiederholung %1</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>wrong sync</source>
        <translation>falsches Sync-Wort</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>data failure</source>
        <translation>Datenfehler</translation>
    </message>
    <message>
        <source>out</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>in</source>
        <translation>ein</translation>
    </message>
</context>
<context>
    <name>GAUGE</name>
    <message>
        <source>Gauge study</source>
        <translation>Messmittelfähigkeit</translation>
    </message>
    <message>
        <source>Put a reference part of known value under the sensor, give its value and the tolerance, and take the readings. They are the next live samples of RUN; RUN starts for them if it is not running.</source>
        <translation>Legen Sie ein Referenzteil mit bekanntem Wert unter den Sensor, geben Sie seinen Wert und die Toleranz ein und nehmen Sie die Messungen auf. Es sind die nächsten Messwerte von START; START beginnt dafür, wenn es nicht läuft.</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>&amp;Kanal</translation>
    </message>
    <message>
        <source>Channel of the study</source>
        <translation>Kanal der Untersuchung</translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>&amp;Reference value</source>
        <translation>&amp;Referenzwert</translation>
    </message>
    <message>
        <source>Reference value of the part</source>
        <translation>Referenzwert des Teils</translation>
    </message>
    <message>
        <source>T&amp;olerance (upper - lower)</source>
        <translation>T&amp;oleranz (oben - unten)</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Re&amp;adings</source>
        <translation>&amp;Messungen</translation>
    </message>
    <message>
        <source>Number of readings</source>
        <translation>Anzahl der Messungen</translation>
    </message>
    <message>
        <source>&amp;Take readings</source>
        <translation>Messungen &amp;aufnehmen</translation>
    </message>
    <message>
        <source>Take the readings</source>
        <translation>Messungen aufnehmen</translation>
    </message>
    <message>
        <source>Readings of the study</source>
        <translation>Messungen der Untersuchung</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the gauge study</source>
        <translation>Messmittelfähigkeit schließen</translation>
    </message>
</context>
<context>
    <name>GaugeStudy</name>
    <message>
        <source>fewer than 2 readings</source>
        <translation>weniger als 2 Messungen</translation>
    </message>
    <message>
        <source>no spread: every reading is the same</source>
        <translation>keine Streuung: alle Messungen sind gleich</translation>
    </message>
    <message>
        <source>the tolerance is not above 0</source>
        <translation>die Toleranz ist nicht größer als 0</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 readings: RUN ended. Take the readings again.</source>
        <translation>Nach %1 von %2 Messungen abgebrochen: START wurde beendet. Nehmen Sie die Messungen erneut auf.</translation>
    </message>
    <message>
        <source>%1 of %2 readings</source>
        <translation>%1 von %2 Messungen</translation>
    </message>
    <message>
        <source>No line to the controller: CONNECT first.</source>
        <translation>Keine Verbindung zum Steuergerät: Wählen Sie zuerst „Verbinden“.</translation>
    </message>
    <message>
        <source>Cg and Cgk %1: %2</source>
        <translation>Cg und Cgk %1: %2</translation>
    </message>
    <message>
        <source>Cg %1, Cgk %2: capable (both at least %3 is capable)</source>
        <translation>Cg %1, Cgk %2: fähig (fähig, wenn beide mindestens %3)</translation>
    </message>
    <message>
        <source>Cg %1, Cgk %2: not capable (both at least %3 is capable)</source>
        <translation>Cg %1, Cgk %2: nicht fähig (fähig, wenn beide mindestens %3)</translation>
    </message>
    <message>
        <source>Gauge study (type 1)</source>
        <translation>Messmittelfähigkeit (Verfahren 1)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Reference value</source>
        <translation>Referenzwert</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Readings in the order taken:</source>
        <translation>Messungen in der Reihenfolge der Aufnahme:</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The language could not be kept: the settings file cannot be written.</source>
        <translation>Die Sprache konnte nicht gespeichert werden: Die Einstellungsdatei lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>The window keeps its language.</source>
        <translation>Das Fenster behält seine Sprache.</translation>
    </message>
    <message>
        <source>The window changes its language when the tool starts again.</source>
        <translation>Das Fenster wechselt seine Sprache beim nächsten Start des Programms.</translation>
    </message>
</context>
<context>
    <name>Line</name>
    <message>
        <source>Write failure! Retrying for %1 times.</source>
        <translation>Schreibfehler! Weitere Versuche: %1.</translation>
    </message>
    <message>
        <source>Read failure! Retrying for %1 times.</source>
        <translation>Lesefehler! Weitere Versuche: %1.</translation>
    </message>
    <message>
        <source>Data failure! Retrying for %1 times.</source>
        <translation>Datenfehler! Weitere Versuche: %1.</translation>
    </message>
    <message>
        <source>Busy! Command refused, another one is running.</source>
        <translation>Beschäftigt! Der Befehl wurde abgelehnt, da noch ein anderer läuft.</translation>
    </message>
    <message>
        <source>Error! Connection lost.</source>
        <translation>Fehler! Die Verbindung ist unterbrochen.</translation>
    </message>
    <message>
        <source>Error! Sensor echo incorrect.</source>
        <translation>Fehler! Das Echo des Sensors ist fehlerhaft.</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Unknown system error</source>
        <translation>Unbekannter Systemfehler</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Ungültige Portnummer</translation>
    </message>
    <message>
        <source>Port is not open</source>
        <translation>Port ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Unknown I/0 error</source>
        <translation>Unbekannter E/A-Fehler</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Keine serielle Schnittstelle gefunden</translation>
    </message>
    <message>
        <source>Cannot open port</source>
        <translation>Port kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Invalid parameter</source>
        <translation>Ungültiger Parameter</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>RS-232 error!</source>
        <translation>RS-232-Fehler!</translation>
    </message>
    <message>
        <source>Unable to register service</source>
        <translation>Dienst kann nicht registriert werden</translation>
    </message>
    <message>
        <source>Unable to establish connection</source>
        <translation>Verbindung kann nicht aufgebaut werden</translation>
    </message>
    <message>
        <source>Existing server</source>
        <translation>Server besteht bereits</translation>
    </message>
    <message>
        <source>Failed to connect</source>
        <translation>Verbindungsaufbau fehlgeschlagen</translation>
    </message>
    <message>
        <source>Server not registered</source>
        <translation>Server nicht registriert</translation>
    </message>
    <message>
        <source>Too many conversations</source>
        <translation>Zu viele Sitzungen</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>Lesen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Time out error </source>
        <translation>Zeitüberschreitung </translation>
    </message>
    <message>
        <source>No connection established </source>
        <translation>Keine Verbindung hergestellt </translation>
    </message>
    <message>
        <source>General IO err</source>
        <translation>Allgemeiner E/A-Fehler</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Unable to load WinsockDLL</source>
        <translation>WinsockDLL kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Incorrect WinsockDLL version</source>
        <translation>Falsche Version der WinsockDLL</translation>
    </message>
    <message>
        <source>Network subsystem not ready </source>
        <translation>Netzwerk-Subsystem nicht bereit </translation>
    </message>
    <message>
        <source>Connections still open</source>
        <translation>Noch Verbindungen geöffnet</translation>
    </message>
    <message>
        <source>Disconnect pending</source>
        <translation>Verbindungsabbau ausstehend</translation>
    </message>
    <message>
        <source>Info not available</source>
        <translation>Information nicht verfügbar</translation>
    </message>
    <message>
        <source>Connection to server failed</source>
        <translation>Verbindung zum Server fehlgeschlagen</translation>
    </message>
    <message>
        <source>Refused: nothing at %1 accepts connections on port %2.</source>
        <translation>Abgewiesen: %1 nimmt an Port %2 keine Verbindungen an.</translation>
    </message>
    <message>
        <source>Timed out: no answer from %1 on port %2.</source>
        <translation>Zeitüberschreitung: keine Antwort von %1 an Port %2.</translation>
    </message>
    <message>
        <source>Unknown host: no address is known for %1.</source>
        <translation>Unbekannter Host: Für %1 ist keine Adresse bekannt.</translation>
    </message>
    <message>
        <source>No permission: the system does not let this program connect to %1 on port %2.</source>
        <translation>Keine Berechtigung: Das System erlaubt diesem Programm keine Verbindung zu %1 an Port %2.</translation>
    </message>
    <message>
        <source>Connection found. Line OK.</source>
        <translation>Steuergerät gefunden. Verbindung in Ordnung.</translation>
    </message>
    <message>
        <source>Error! No connection found.</source>
        <translation>Fehler! Keine Verbindung gefunden.</translation>
    </message>
    <message>
        <source>Answer incorrect. Check Sensor.</source>
        <translation>Antwort fehlerhaft. Bitte prüfen Sie den Sensor.</translation>
    </message>
    <message>
        <source>Lost: %1</source>
        <translation>Unterbrochen: %1</translation>
    </message>
    <message>
        <source>Lost, waiting for %1</source>
        <translation>Unterbrochen, Warten auf %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>TCP Client</source>
        <translation>TCP-Client</translation>
    </message>
    <message>
        <source>Server has closed connection!</source>
        <translation>Der Server hat die Verbindung geschlossen!</translation>
    </message>
    <message>
        <source>Line back, reconnected: </source>
        <translation>Verbindung wiederhergestellt: </translation>
    </message>
</context>
<context>
    <name>MONITOR</name>
    <message>
        <source>Frame monitor</source>
        <translation>Telegrammmonitor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Order code:</source>
        <translation>&amp;Befehlscode:</translation>
    </message>
    <message>
        <source>Order code filter</source>
        <translation>Filter Befehlscode</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause the monitor</source>
        <translation>Monitor anhalten</translation>
    </message>
    <message>
        <source>Stops logging and holds the list; press again to go on</source>
        <translation>Hält die Protokollierung an und friert die Liste ein; zum Fortsetzen erneut drücken</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected frames</source>
        <translation>Gewählte Telegramme kopieren</translation>
    </message>
    <message>
        <source>The selected frames as text (Ctrl+C)</source>
        <translation>Die gewählten Telegramme als Text (Strg+C)</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Save the listed frames</source>
        <translation>Aufgelistete Telegramme speichern</translation>
    </message>
    <message>
        <source>The listed frames as text (.txt) or CSV (.csv)</source>
        <translation>Die aufgelisteten Telegramme als Text (.txt) oder CSV (.csv)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the frames</source>
        <translation>Telegrammliste leeren</translation>
    </message>
    <message>
        <source>Close the frame monitor</source>
        <translation>Telegrammmonitor schließen</translation>
    </message>
    <message>
        <source>Stops logging and closes the monitor (Esc, Ctrl+W)</source>
        <translation>Beendet die Protokollierung und schließt den Monitor (Esc, Strg+W)</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Telegramme</translation>
    </message>
    <message>
        <source>Frames listed</source>
        <translation>Aufgelistete Telegramme</translation>
    </message>
</context>
<context>
    <name>OUTPUTS</name>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Switching outputs and analog output</source>
        <translation>Schaltausgänge und Analogausgang</translation>
    </message>
    <message>
        <source>Presets and analog output</source>
        <translation>Voreinstellungen und Analogausgang</translation>
    </message>
    <message>
        <source>Output &amp;preset</source>
        <translation>Ausgangs-&amp;Voreinstellung</translation>
    </message>
    <message>
        <source>Output preset</source>
        <translation>Ausgangs-Voreinstellung</translation>
    </message>
    <message>
        <source>A preset fills in a fixed assignment and locks the page</source>
        <translation>Eine Voreinstellung trägt eine feste Zuordnung ein und sperrt die Seite</translation>
    </message>
    <message>
        <source>1: free configuration</source>
        <translation>1: freie Konfiguration</translation>
    </message>
    <message>
        <source>2: preset, analog mode 128</source>
        <translation>2: voreingestellt, Analogmodus 128</translation>
    </message>
    <message>
        <source>3: preset, analog mode 8</source>
        <translation>3: voreingestellt, Analogmodus 8</translation>
    </message>
    <message>
        <source>4: preset, analog mode 256</source>
        <translation>4: voreingestellt, Analogmodus 256</translation>
    </message>
    <message>
        <source>&amp;Analog output mode</source>
        <translation>Modus des &amp;Analogausgangs</translation>
    </message>
    <message>
        <source>Analog output mode</source>
        <translation>Modus des Analogausgangs</translation>
    </message>
    <message>
        <source>Mode bits and configuration of the switching outputs</source>
        <translation>Modusbits und Konfiguration der Schaltausgänge</translation>
    </message>
    <message>
        <source>Mode bit</source>
        <translation>Modusbit</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Output 0</source>
        <translation>Ausgang 0</translation>
    </message>
    <message>
        <source>Output 0 mode bit 0</source>
        <translation>Ausgang 0, Modusbit 0</translation>
    </message>
    <message>
        <source>Output 0 mode bit 1</source>
        <translation>Ausgang 0, Modusbit 1</translation>
    </message>
    <message>
        <source>Output 0 mode bit 2</source>
        <translation>Ausgang 0, Modusbit 2</translation>
    </message>
    <message>
        <source>Output 0 mode bit 3</source>
        <translation>Ausgang 0, Modusbit 3</translation>
    </message>
    <message>
        <source>Output 0 mode bit 4</source>
        <translation>Ausgang 0, Modusbit 4</translation>
    </message>
    <message>
        <source>Output 0 mode bit 5</source>
        <translation>Ausgang 0, Modusbit 5</translation>
    </message>
    <message>
        <source>Output 0 mode bit 6</source>
        <translation>Ausgang 0, Modusbit 6</translation>
    </message>
    <message>
        <source>Output 0 mode bit 7</source>
        <translation>Ausgang 0, Modusbit 7</translation>
    </message>
    <message>
        <source>Output 0 mode bit 8</source>
        <translation>Ausgang 0, Modusbit 8</translation>
    </message>
    <message>
        <source>Output 0 mode bit 9</source>
        <translation>Ausgang 0, Modusbit 9</translation>
    </message>
    <message>
        <source>Output 0 mode bit 11</source>
        <translation>Ausgang 0, Modusbit 11</translation>
    </message>
    <message>
        <source>Output 0 mode bit 12</source>
        <translation>Ausgang 0, Modusbit 12</translation>
    </message>
    <message>
        <source>Output 0 mode bit 14</source>
        <translation>Ausgang 0, Modusbit 14</translation>
    </message>
    <message>
        <source>Output 0 configuration flag</source>
        <translation>Ausgang 0, Konfigurationsbit</translation>
    </message>
    <message>
        <source>On switches every mode bit of output 0</source>
        <translation>„Ein“ schaltet jedes Modusbit von Ausgang 0 ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Output 0 configuration value</source>
        <translation>Ausgang 0, Konfigurationswert</translation>
    </message>
    <message>
        <source>Bits 1 to 15 of the configuration word</source>
        <translation>Bits 1 bis 15 des Konfigurationsworts</translation>
    </message>
    <message>
        <source>Output 1</source>
        <translation>Ausgang 1</translation>
    </message>
    <message>
        <source>Output 1 mode bit 0</source>
        <translation>Ausgang 1, Modusbit 0</translation>
    </message>
    <message>
        <source>Output 1 mode bit 1</source>
        <translation>Ausgang 1, Modusbit 1</translation>
    </message>
    <message>
        <source>Output 1 mode bit 2</source>
        <translation>Ausgang 1, Modusbit 2</translation>
    </message>
    <message>
        <source>Output 1 mode bit 3</source>
        <translation>Ausgang 1, Modusbit 3</translation>
    </message>
    <message>
        <source>Output 1 mode bit 4</source>
        <translation>Ausgang 1, Modusbit 4</translation>
    </message>
    <message>
        <source>Output 1 mode bit 5</source>
        <translation>Ausgang 1, Modusbit 5</translation>
    </message>
    <message>
        <source>Output 1 mode bit 6</source>
        <translation>Ausgang 1, Modusbit 6</translation>
    </message>
    <message>
        <source>Output 1 mode bit 7</source>
        <translation>Ausgang 1, Modusbit 7</translation>
    </message>
    <message>
        <source>Output 1 mode bit 8</source>
        <translation>Ausgang 1, Modusbit 8</translation>
    </message>
    <message>
        <source>Output 1 mode bit 9</source>
        <translation>Ausgang 1, Modusbit 9</translation>
    </message>
    <message>
        <source>Output 1 mode bit 11</source>
        <translation>Ausgang 1, Modusbit 11</translation>
    </message>
    <message>
        <source>Output 1 mode bit 12</source>
        <translation>Ausgang 1, Modusbit 12</translation>
    </message>
    <message>
        <source>Output 1 mode bit 14</source>
        <translation>Ausgang 1, Modusbit 14</translation>
    </message>
    <message>
        <source>Output 1 configuration flag</source>
        <translation>Ausgang 1, Konfigurationsbit</translation>
    </message>
    <message>
        <source>On switches every mode bit of output 1</source>
        <translation>„Ein“ schaltet jedes Modusbit von Ausgang 1 ein</translation>
    </message>
    <message>
        <source>Output 1 configuration value</source>
        <translation>Ausgang 1, Konfigurationswert</translation>
    </message>
    <message>
        <source>Output 2</source>
        <translation>Ausgang 2</translation>
    </message>
    <message>
        <source>Output 2 mode bit 0</source>
        <translation>Ausgang 2, Modusbit 0</translation>
    </message>
    <message>
        <source>Output 2 mode bit 1</source>
        <translation>Ausgang 2, Modusbit 1</translation>
    </message>
    <message>
        <source>Output 2 mode bit 2</source>
        <translation>Ausgang 2, Modusbit 2</translation>
    </message>
    <message>
        <source>Output 2 mode bit 3</source>
        <translation>Ausgang 2, Modusbit 3</translation>
    </message>
    <message>
        <source>Output 2 mode bit 4</source>
        <translation>Ausgang 2, Modusbit 4</translation>
    </message>
    <message>
        <source>Output 2 mode bit 5</source>
        <translation>Ausgang 2, Modusbit 5</translation>
    </message>
    <message>
        <source>Output 2 mode bit 6</source>
        <translation>Ausgang 2, Modusbit 6</translation>
    </message>
    <message>
        <source>Output 2 mode bit 7</source>
        <translation>Ausgang 2, Modusbit 7</translation>
    </message>
    <message>
        <source>Output 2 mode bit 8</source>
        <translation>Ausgang 2, Modusbit 8</translation>
    </message>
    <message>
        <source>Output 2 mode bit 9</source>
        <translation>Ausgang 2, Modusbit 9</translation>
    </message>
    <message>
        <source>Output 2 mode bit 11</source>
        <translation>Ausgang 2, Modusbit 11</translation>
    </message>
    <message>
        <source>Output 2 mode bit 12</source>
        <translation>Ausgang 2, Modusbit 12</translation>
    </message>
    <message>
        <source>Output 2 mode bit 14</source>
        <translation>Ausgang 2, Modusbit 14</translation>
    </message>
    <message>
        <source>Output 2 configuration flag</source>
        <translation>Ausgang 2, Konfigurationsbit</translation>
    </message>
    <message>
        <source>On switches every mode bit of output 2</source>
        <translation>„Ein“ schaltet jedes Modusbit von Ausgang 2 ein</translation>
    </message>
    <message>
        <source>Output 2 configuration value</source>
        <translation>Ausgang 2, Konfigurationswert</translation>
    </message>
</context>
<context>
    <name>PARAA</name>
    <message>
        <source>Channel A parameters</source>
        <translation>Parameter von Kanal A</translation>
    </message>
    <message>
        <source>Channel A: data and conditions</source>
        <translation>Kanal A: Daten und Bedingungen</translation>
    </message>
    <message>
        <source>Data format</source>
        <translation>Datenformat</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Rohdaten</translation>
    </message>
    <message>
        <source>Data format: raw</source>
        <translation>Datenformat: Rohdaten</translation>
    </message>
    <message>
        <source>Normalised</source>
        <translation>Normiert</translation>
    </message>
    <message>
        <source>Data format: normalised</source>
        <translation>Datenformat: normiert</translation>
    </message>
    <message>
        <source>DATA FORMAT: NORM</source>
        <translation>DATENFORMAT: NORMIERT</translation>
    </message>
    <message>
        <source>Data filter</source>
        <translation>Datenfilter</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Data filter: minimum</source>
        <translation>Datenfilter: Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Data filter: maximum</source>
        <translation>Datenfilter: Maximum</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <source>Data filter: direct</source>
        <translation>Datenfilter: direkt</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>&amp;Decay time constant</source>
        <translation>&amp;Abklingzeitkonstante</translation>
    </message>
    <message>
        <source>Channel A decay time constant</source>
        <translation>Abklingzeitkonstante von Kanal A</translation>
    </message>
    <message>
        <source>In scans</source>
        <translation>In Abtastungen</translation>
    </message>
    <message>
        <source>&amp;Pretrigger value</source>
        <translation>&amp;Pretrigger-Wert</translation>
    </message>
    <message>
        <source>Channel A pretrigger value</source>
        <translation>Pretrigger-Wert von Kanal A</translation>
    </message>
    <message>
        <source>Samples recorded before the trigger</source>
        <translation>Vor dem Trigger aufgezeichnete Werte</translation>
    </message>
    <message>
        <source>Data &amp;averaging</source>
        <translation>&amp;Mittelwertbildung</translation>
    </message>
    <message>
        <source>Channel A data averaging</source>
        <translation>Mittelwertbildung von Kanal A</translation>
    </message>
    <message>
        <source>Result valid</source>
        <translation>Ergebnis gültig</translation>
    </message>
    <message>
        <source>Pos. edge</source>
        <translation>Steigend</translation>
    </message>
    <message>
        <source>Neg. edge</source>
        <translation>Fallend</translation>
    </message>
    <message>
        <source>Low state</source>
        <translation>Low-Pegel</translation>
    </message>
    <message>
        <source>High state</source>
        <translation>High-Pegel</translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Result valid: channel A positive edge</source>
        <translation>Ergebnis gültig: Kanal A, steigende Flanke</translation>
    </message>
    <message>
        <source>Result valid: channel A negative edge</source>
        <translation>Ergebnis gültig: Kanal A, fallende Flanke</translation>
    </message>
    <message>
        <source>Result valid: channel A low state</source>
        <translation>Ergebnis gültig: Kanal A, Low-Pegel</translation>
    </message>
    <message>
        <source>Result valid: channel A high state</source>
        <translation>Ergebnis gültig: Kanal A, High-Pegel</translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>Result valid: channel B positive edge</source>
        <translation>Ergebnis gültig: Kanal B, steigende Flanke</translation>
    </message>
    <message>
        <source>Result valid: channel B negative edge</source>
        <translation>Ergebnis gültig: Kanal B, fallende Flanke</translation>
    </message>
    <message>
        <source>Result valid: channel B low state</source>
        <translation>Ergebnis gültig: Kanal B, Low-Pegel</translation>
    </message>
    <message>
        <source>Result valid: channel B high state</source>
        <translation>Ergebnis gültig: Kanal B, High-Pegel</translation>
    </message>
    <message>
        <source>Input IN0</source>
        <translation>Eingang IN0</translation>
    </message>
    <message>
        <source>Result valid: input IN0 positive edge</source>
        <translation>Ergebnis gültig: Eingang IN0, steigende Flanke</translation>
    </message>
    <message>
        <source>Result valid: input IN0 negative edge</source>
        <translation>Ergebnis gültig: Eingang IN0, fallende Flanke</translation>
    </message>
    <message>
        <source>Result valid: input IN0 low state</source>
        <translation>Ergebnis gültig: Eingang IN0, Low-Pegel</translation>
    </message>
    <message>
        <source>Result valid: input IN0 high state</source>
        <translation>Ergebnis gültig: Eingang IN0, High-Pegel</translation>
    </message>
    <message>
        <source>Input IN1</source>
        <translation>Eingang IN1</translation>
    </message>
    <message>
        <source>Result valid: input IN1 positive edge</source>
        <translation>Ergebnis gültig: Eingang IN1, steigende Flanke</translation>
    </message>
    <message>
        <source>Result valid: input IN1 negative edge</source>
        <translation>Ergebnis gültig: Eingang IN1, fallende Flanke</translation>
    </message>
    <message>
        <source>Result valid: input IN1 low state</source>
        <translation>Ergebnis gültig: Eingang IN1, Low-Pegel</translation>
    </message>
    <message>
        <source>Result valid: input IN1 high state</source>
        <translation>Ergebnis gültig: Eingang IN1, High-Pegel</translation>
    </message>
    <message>
        <source>Every sample</source>
        <translation>Jeder Wert</translation>
    </message>
    <message>
        <source>Result valid: every sample</source>
        <translation>Ergebnis gültig: jeder Wert</translation>
    </message>
    <message>
        <source>Result valid condition</source>
        <translation>Bedingung für gültiges Ergebnis</translation>
    </message>
    <message>
        <source>Acquire max value</source>
        <translation>Maximalwert erfassen</translation>
    </message>
    <message>
        <source>Max value: channel B positive edge</source>
        <translation>Maximalwert: Kanal B, steigende Flanke</translation>
    </message>
    <message>
        <source>Max value: channel B negative edge</source>
        <translation>Maximalwert: Kanal B, fallende Flanke</translation>
    </message>
    <message>
        <source>Max value: channel B low state</source>
        <translation>Maximalwert: Kanal B, Low-Pegel</translation>
    </message>
    <message>
        <source>Max value: channel B high state</source>
        <translation>Maximalwert: Kanal B, High-Pegel</translation>
    </message>
    <message>
        <source>Max value: input IN0 positive edge</source>
        <translation>Maximalwert: Eingang IN0, steigende Flanke</translation>
    </message>
    <message>
        <source>Max value: input IN0 negative edge</source>
        <translation>Maximalwert: Eingang IN0, fallende Flanke</translation>
    </message>
    <message>
        <source>Max value: input IN0 low state</source>
        <translation>Maximalwert: Eingang IN0, Low-Pegel</translation>
    </message>
    <message>
        <source>Max value: input IN0 high state</source>
        <translation>Maximalwert: Eingang IN0, High-Pegel</translation>
    </message>
    <message>
        <source>Max value: input IN1 positive edge</source>
        <translation>Maximalwert: Eingang IN1, steigende Flanke</translation>
    </message>
    <message>
        <source>Max value: input IN1 negative edge</source>
        <translation>Maximalwert: Eingang IN1, fallende Flanke</translation>
    </message>
    <message>
        <source>Max value: input IN1 low state</source>
        <translation>Maximalwert: Eingang IN1, Low-Pegel</translation>
    </message>
    <message>
        <source>Max value: input IN1 high state</source>
        <translation>Maximalwert: Eingang IN1, High-Pegel</translation>
    </message>
    <message>
        <source>Max value: every sample</source>
        <translation>Maximalwert: jeder Wert</translation>
    </message>
    <message>
        <source>Max value acquisition condition</source>
        <translation>Bedingung für die Maximalwerterfassung</translation>
    </message>
    <message>
        <source>Reset value</source>
        <translation>Wert zurücksetzen</translation>
    </message>
    <message>
        <source>Reset value: channel A positive edge</source>
        <translation>Wert zurücksetzen: Kanal A, steigende Flanke</translation>
    </message>
    <message>
        <source>Reset value: channel A negative edge</source>
        <translation>Wert zurücksetzen: Kanal A, fallende Flanke</translation>
    </message>
    <message>
        <source>Reset value: channel B positive edge</source>
        <translation>Wert zurücksetzen: Kanal B, steigende Flanke</translation>
    </message>
    <message>
        <source>Reset value: channel B negative edge</source>
        <translation>Wert zurücksetzen: Kanal B, fallende Flanke</translation>
    </message>
    <message>
        <source>Reset value: input IN0 positive edge</source>
        <translation>Wert zurücksetzen: Eingang IN0, steigende Flanke</translation>
    </message>
    <message>
        <source>Reset value: input IN0 negative edge</source>
        <translation>Wert zurücksetzen: Eingang IN0, fallende Flanke</translation>
    </message>
    <message>
        <source>Reset value: input IN1 positive edge</source>
        <translation>Wert zurücksetzen: Eingang IN1, steigende Flanke</translation>
    </message>
    <message>
        <source>Reset value: input IN1 negative edge</source>
        <translation>Wert zurücksetzen: Eingang IN1, fallende Flanke</translation>
    </message>
    <message>
        <source>Reset condition</source>
        <translation>Bedingung für das Zurücksetzen</translation>
    </message>
    <message>
        <source>Store data snapshot</source>
        <translation>Daten-Snapshot speichern</translation>
    </message>
    <message>
        <source>Store snapshot: channel A positive edge</source>
        <translation>Snapshot speichern: Kanal A, steigende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: channel A negative edge</source>
        <translation>Snapshot speichern: Kanal A, fallende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: channel B positive edge</source>
        <translation>Snapshot speichern: Kanal B, steigende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: channel B negative edge</source>
        <translation>Snapshot speichern: Kanal B, fallende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: input IN0 positive edge</source>
        <translation>Snapshot speichern: Eingang IN0, steigende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: input IN0 negative edge</source>
        <translation>Snapshot speichern: Eingang IN0, fallende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: input IN1 positive edge</source>
        <translation>Snapshot speichern: Eingang IN1, steigende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: input IN1 negative edge</source>
        <translation>Snapshot speichern: Eingang IN1, fallende Flanke</translation>
    </message>
    <message>
        <source>Snapshot condition</source>
        <translation>Bedingung für den Snapshot</translation>
    </message>
</context>
<context>
    <name>PARAA2</name>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Channel A: limits</source>
        <translation>Kanal A: Grenzwerte</translation>
    </message>
    <message>
        <source>Levels and limits</source>
        <translation>Pegel und Grenzwerte</translation>
    </message>
    <message>
        <source>&amp;Laser power</source>
        <translation>&amp;Laserleistung</translation>
    </message>
    <message>
        <source>Channel A laser power</source>
        <translation>Laserleistung von Kanal A</translation>
    </message>
    <message>
        <source>&amp;Trigger level</source>
        <translation>&amp;Triggerpegel</translation>
    </message>
    <message>
        <source>Channel A trigger level</source>
        <translation>Triggerpegel von Kanal A</translation>
    </message>
    <message>
        <source>&amp;Reference value</source>
        <translation>&amp;Referenzwert</translation>
    </message>
    <message>
        <source>Channel A reference value</source>
        <translation>Referenzwert von Kanal A</translation>
    </message>
    <message>
        <source>&amp;High tolerance</source>
        <translation>&amp;Obere Toleranz</translation>
    </message>
    <message>
        <source>Channel A high tolerance</source>
        <translation>Obere Toleranz von Kanal A</translation>
    </message>
    <message>
        <source>Lo&amp;w tolerance</source>
        <translation>&amp;Untere Toleranz</translation>
    </message>
    <message>
        <source>Channel A low tolerance</source>
        <translation>Untere Toleranz von Kanal A</translation>
    </message>
</context>
<context>
    <name>PARAB</name>
    <message>
        <source>Channel B parameters</source>
        <translation>Parameter von Kanal B</translation>
    </message>
    <message>
        <source>Channel B: data and conditions</source>
        <translation>Kanal B: Daten und Bedingungen</translation>
    </message>
    <message>
        <source>Data format</source>
        <translation>Datenformat</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Rohdaten</translation>
    </message>
    <message>
        <source>Data format: raw</source>
        <translation>Datenformat: Rohdaten</translation>
    </message>
    <message>
        <source>Normalised</source>
        <translation>Normiert</translation>
    </message>
    <message>
        <source>Data format: normalised</source>
        <translation>Datenformat: normiert</translation>
    </message>
    <message>
        <source>DATA FORMAT: NORM</source>
        <translation>DATENFORMAT: NORMIERT</translation>
    </message>
    <message>
        <source>Data filter</source>
        <translation>Datenfilter</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Data filter: minimum</source>
        <translation>Datenfilter: Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Data filter: maximum</source>
        <translation>Datenfilter: Maximum</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <source>Data filter: direct</source>
        <translation>Datenfilter: direkt</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>&amp;Decay time constant</source>
        <translation>&amp;Abklingzeitkonstante</translation>
    </message>
    <message>
        <source>Channel B decay time constant</source>
        <translation>Abklingzeitkonstante von Kanal B</translation>
    </message>
    <message>
        <source>In scans</source>
        <translation>In Abtastungen</translation>
    </message>
    <message>
        <source>&amp;Pretrigger value</source>
        <translation>&amp;Pretrigger-Wert</translation>
    </message>
    <message>
        <source>Channel B pretrigger value</source>
        <translation>Pretrigger-Wert von Kanal B</translation>
    </message>
    <message>
        <source>Samples recorded before the trigger</source>
        <translation>Vor dem Trigger aufgezeichnete Werte</translation>
    </message>
    <message>
        <source>Data &amp;averaging</source>
        <translation>&amp;Mittelwertbildung</translation>
    </message>
    <message>
        <source>Channel B data averaging</source>
        <translation>Mittelwertbildung von Kanal B</translation>
    </message>
    <message>
        <source>Result valid</source>
        <translation>Ergebnis gültig</translation>
    </message>
    <message>
        <source>Pos. edge</source>
        <translation>Steigend</translation>
    </message>
    <message>
        <source>Neg. edge</source>
        <translation>Fallend</translation>
    </message>
    <message>
        <source>Low state</source>
        <translation>Low-Pegel</translation>
    </message>
    <message>
        <source>High state</source>
        <translation>High-Pegel</translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Result valid: channel A positive edge</source>
        <translation>Ergebnis gültig: Kanal A, steigende Flanke</translation>
    </message>
    <message>
        <source>Result valid: channel A negative edge</source>
        <translation>Ergebnis gültig: Kanal A, fallende Flanke</translation>
    </message>
    <message>
        <source>Result valid: channel A low state</source>
        <translation>Ergebnis gültig: Kanal A, Low-Pegel</translation>
    </message>
    <message>
        <source>Result valid: channel A high state</source>
        <translation>Ergebnis gültig: Kanal A, High-Pegel</translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>Result valid: channel B positive edge</source>
        <translation>Ergebnis gültig: Kanal B, steigende Flanke</translation>
    </message>
    <message>
        <source>Result valid: channel B negative edge</source>
        <translation>Ergebnis gültig: Kanal B, fallende Flanke</translation>
    </message>
    <message>
        <source>Result valid: channel B low state</source>
        <translation>Ergebnis gültig: Kanal B, Low-Pegel</translation>
    </message>
    <message>
        <source>Result valid: channel B high state</source>
        <translation>Ergebnis gültig: Kanal B, High-Pegel</translation>
    </message>
    <message>
        <source>Input IN0</source>
        <translation>Eingang IN0</translation>
    </message>
    <message>
        <source>Result valid: input IN0 positive edge</source>
        <translation>Ergebnis gültig: Eingang IN0, steigende Flanke</translation>
    </message>
    <message>
        <source>Result valid: input IN0 negative edge</source>
        <translation>Ergebnis gültig: Eingang IN0, fallende Flanke</translation>
    </message>
    <message>
        <source>Result valid: input IN0 low state</source>
        <translation>Ergebnis gültig: Eingang IN0, Low-Pegel</translation>
    </message>
    <message>
        <source>Result valid: input IN0 high state</source>
        <translation>Ergebnis gültig: Eingang IN0, High-Pegel</translation>
    </message>
    <message>
        <source>Input IN1</source>
        <translation>Eingang IN1</translation>
    </message>
    <message>
        <source>Result valid: input IN1 positive edge</source>
        <translation>Ergebnis gültig: Eingang IN1, steigende Flanke</translation>
    </message>
    <message>
        <source>Result valid: input IN1 negative edge</source>
        <translation>Ergebnis gültig: Eingang IN1, fallende Flanke</translation>
    </message>
    <message>
        <source>Result valid: input IN1 low state</source>
        <translation>Ergebnis gültig: Eingang IN1, Low-Pegel</translation>
    </message>
    <message>
        <source>Result valid: input IN1 high state</source>
        <translation>Ergebnis gültig: Eingang IN1, High-Pegel</translation>
    </message>
    <message>
        <source>Every sample</source>
        <translation>Jeder Wert</translation>
    </message>
    <message>
        <source>Result valid: every sample</source>
        <translation>Ergebnis gültig: jeder Wert</translation>
    </message>
    <message>
        <source>Result valid condition</source>
        <translation>Bedingung für gültiges Ergebnis</translation>
    </message>
    <message>
        <source>Acquire max value</source>
        <translation>Maximalwert erfassen</translation>
    </message>
    <message>
        <source>Max value: channel A positive edge</source>
        <translation>Maximalwert: Kanal A, steigende Flanke</translation>
    </message>
    <message>
        <source>Max value: channel A negative edge</source>
        <translation>Maximalwert: Kanal A, fallende Flanke</translation>
    </message>
    <message>
        <source>Max value: channel A low state</source>
        <translation>Maximalwert: Kanal A, Low-Pegel</translation>
    </message>
    <message>
        <source>Max value: channel A high state</source>
        <translation>Maximalwert: Kanal A, High-Pegel</translation>
    </message>
    <message>
        <source>Max value: input IN0 positive edge</source>
        <translation>Maximalwert: Eingang IN0, steigende Flanke</translation>
    </message>
    <message>
        <source>Max value: input IN0 negative edge</source>
        <translation>Maximalwert: Eingang IN0, fallende Flanke</translation>
    </message>
    <message>
        <source>Max value: input IN0 low state</source>
        <translation>Maximalwert: Eingang IN0, Low-Pegel</translation>
    </message>
    <message>
        <source>Max value: input IN0 high state</source>
        <translation>Maximalwert: Eingang IN0, High-Pegel</translation>
    </message>
    <message>
        <source>Max value: input IN1 positive edge</source>
        <translation>Maximalwert: Eingang IN1, steigende Flanke</translation>
    </message>
    <message>
        <source>Max value: input IN1 negative edge</source>
        <translation>Maximalwert: Eingang IN1, fallende Flanke</translation>
    </message>
    <message>
        <source>Max value: input IN1 low state</source>
        <translation>Maximalwert: Eingang IN1, Low-Pegel</translation>
    </message>
    <message>
        <source>Max value: input IN1 high state</source>
        <translation>Maximalwert: Eingang IN1, High-Pegel</translation>
    </message>
    <message>
        <source>Max value: every sample</source>
        <translation>Maximalwert: jeder Wert</translation>
    </message>
    <message>
        <source>Max value acquisition condition</source>
        <translation>Bedingung für die Maximalwerterfassung</translation>
    </message>
    <message>
        <source>Reset value</source>
        <translation>Wert zurücksetzen</translation>
    </message>
    <message>
        <source>Reset value: channel A positive edge</source>
        <translation>Wert zurücksetzen: Kanal A, steigende Flanke</translation>
    </message>
    <message>
        <source>Reset value: channel A negative edge</source>
        <translation>Wert zurücksetzen: Kanal A, fallende Flanke</translation>
    </message>
    <message>
        <source>Reset value: channel B positive edge</source>
        <translation>Wert zurücksetzen: Kanal B, steigende Flanke</translation>
    </message>
    <message>
        <source>Reset value: channel B negative edge</source>
        <translation>Wert zurücksetzen: Kanal B, fallende Flanke</translation>
    </message>
    <message>
        <source>Reset value: input IN0 positive edge</source>
        <translation>Wert zurücksetzen: Eingang IN0, steigende Flanke</translation>
    </message>
    <message>
        <source>Reset value: input IN0 negative edge</source>
        <translation>Wert zurücksetzen: Eingang IN0, fallende Flanke</translation>
    </message>
    <message>
        <source>Reset value: input IN1 positive edge</source>
        <translation>Wert zurücksetzen: Eingang IN1, steigende Flanke</translation>
    </message>
    <message>
        <source>Reset value: input IN1 negative edge</source>
        <translation>Wert zurücksetzen: Eingang IN1, fallende Flanke</translation>
    </message>
    <message>
        <source>Reset condition</source>
        <translation>Bedingung für das Zurücksetzen</translation>
    </message>
    <message>
        <source>Store data snapshot</source>
        <translation>Daten-Snapshot speichern</translation>
    </message>
    <message>
        <source>Store snapshot: channel A positive edge</source>
        <translation>Snapshot speichern: Kanal A, steigende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: channel A negative edge</source>
        <translation>Snapshot speichern: Kanal A, fallende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: channel B positive edge</source>
        <translation>Snapshot speichern: Kanal B, steigende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: channel B negative edge</source>
        <translation>Snapshot speichern: Kanal B, fallende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: input IN0 positive edge</source>
        <translation>Snapshot speichern: Eingang IN0, steigende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: input IN0 negative edge</source>
        <translation>Snapshot speichern: Eingang IN0, fallende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: input IN1 positive edge</source>
        <translation>Snapshot speichern: Eingang IN1, steigende Flanke</translation>
    </message>
    <message>
        <source>Store snapshot: input IN1 negative edge</source>
        <translation>Snapshot speichern: Eingang IN1, fallende Flanke</translation>
    </message>
    <message>
        <source>Snapshot condition</source>
        <translation>Bedingung für den Snapshot</translation>
    </message>
</context>
<context>
    <name>PARAB2</name>
    <message>
        <source>Channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>Channel B: limits</source>
        <translation>Kanal B: Grenzwerte</translation>
    </message>
    <message>
        <source>Levels and limits</source>
        <translation>Pegel und Grenzwerte</translation>
    </message>
    <message>
        <source>&amp;Laser power</source>
        <translation>&amp;Laserleistung</translation>
    </message>
    <message>
        <source>Channel B laser power</source>
        <translation>Laserleistung von Kanal B</translation>
    </message>
    <message>
        <source>&amp;Trigger level</source>
        <translation>&amp;Triggerpegel</translation>
    </message>
    <message>
        <source>Channel B trigger level</source>
        <translation>Triggerpegel von Kanal B</translation>
    </message>
    <message>
        <source>&amp;Reference value</source>
        <translation>&amp;Referenzwert</translation>
    </message>
    <message>
        <source>Channel B reference value</source>
        <translation>Referenzwert von Kanal B</translation>
    </message>
    <message>
        <source>&amp;High tolerance</source>
        <translation>&amp;Obere Toleranz</translation>
    </message>
    <message>
        <source>Channel B high tolerance</source>
        <translation>Obere Toleranz von Kanal B</translation>
    </message>
    <message>
        <source>Lo&amp;w tolerance</source>
        <translation>&amp;Untere Toleranz</translation>
    </message>
    <message>
        <source>Channel B low tolerance</source>
        <translation>Untere Toleranz von Kanal B</translation>
    </message>
</context>
<context>
    <name>ParameterNames</name>
    <message>
        <source>Block number</source>
        <translation>Blocknummer</translation>
    </message>
    <message>
        <source>Decay time constant</source>
        <translation>Abklingzeitkonstante</translation>
    </message>
    <message>
        <source>Acquire max value</source>
        <translation>Maximalwert erfassen</translation>
    </message>
    <message>
        <source>Store data snapshot</source>
        <translation>Daten-Snapshot speichern</translation>
    </message>
    <message>
        <source>Pretrigger value</source>
        <translation>Pretrigger-Wert</translation>
    </message>
    <message>
        <source>Laser power</source>
        <translation>Laserleistung</translation>
    </message>
    <message>
        <source>Reference value</source>
        <translation>Referenzwert</translation>
    </message>
    <message>
        <source>Low tolerance</source>
        <translation>Untere Toleranz</translation>
    </message>
    <message>
        <source>High tolerance</source>
        <translation>Obere Toleranz</translation>
    </message>
    <message>
        <source>Data averaging</source>
        <translation>Mittelwertbildung</translation>
    </message>
    <message>
        <source>Trigger hysteresis</source>
        <translation>Triggerhysterese</translation>
    </message>
    <message>
        <source>Trigger level</source>
        <translation>Triggerpegel</translation>
    </message>
    <message>
        <source>Data filter</source>
        <translation>Datenfilter</translation>
    </message>
    <message>
        <source>Reset value</source>
        <translation>Wert zurücksetzen</translation>
    </message>
    <message>
        <source>Data format</source>
        <translation>Datenformat</translation>
    </message>
    <message>
        <source>Result valid</source>
        <translation>Ergebnis gültig</translation>
    </message>
    <message>
        <source>Channel A: data and conditions</source>
        <translation>Kanal A: Daten und Bedingungen</translation>
    </message>
    <message>
        <source>Channel A: limits</source>
        <translation>Kanal A: Grenzwerte</translation>
    </message>
    <message>
        <source>Channel B: data and conditions</source>
        <translation>Kanal B: Daten und Bedingungen</translation>
    </message>
    <message>
        <source>Channel B: limits</source>
        <translation>Kanal B: Grenzwerte</translation>
    </message>
    <message>
        <source>Evaluation and scanning</source>
        <translation>Auswertung und Abtastung</translation>
    </message>
    <message>
        <source>Evaluation: limits</source>
        <translation>Auswertung: Grenzwerte</translation>
    </message>
    <message>
        <source>Switching outputs and analog output</source>
        <translation>Schaltausgänge und Analogausgang</translation>
    </message>
    <message>
        <source>Evaluation mode</source>
        <translation>Auswertungsmodus</translation>
    </message>
    <message>
        <source>Controller&apos;s own word</source>
        <translation>Eigenes Wort des Steuergeräts</translation>
    </message>
    <message>
        <source>Scan frequency</source>
        <translation>Abtastfrequenz</translation>
    </message>
    <message>
        <source>Analog output mode</source>
        <translation>Modus des Analogausgangs</translation>
    </message>
    <message>
        <source>Evaluation averaging</source>
        <translation>Mittelwertbildung der Auswertung</translation>
    </message>
    <message>
        <source>Output 0 mode bits</source>
        <translation>Modusbits von Ausgang 0</translation>
    </message>
    <message>
        <source>Output 0 configuration</source>
        <translation>Konfiguration von Ausgang 0</translation>
    </message>
    <message>
        <source>Output 1 mode bits</source>
        <translation>Modusbits von Ausgang 1</translation>
    </message>
    <message>
        <source>Output 1 configuration</source>
        <translation>Konfiguration von Ausgang 1</translation>
    </message>
    <message>
        <source>Output 2 mode bits</source>
        <translation>Modusbits von Ausgang 2</translation>
    </message>
    <message>
        <source>Output 2 configuration</source>
        <translation>Konfiguration von Ausgang 2</translation>
    </message>
    <message>
        <source>Teach settings 1 and 2</source>
        <translatorcomment>glossary: named as the evaluation page names the two fields („Einlernparameter 1“, „Einlernparameter 2“)</translatorcomment>
        <translation>Einlernparameter 1 und 2</translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Mean of A and B</source>
        <translation>Mittelwert aus A und B</translation>
    </message>
    <message>
        <source>Sum A + B</source>
        <translation>Summe A + B</translation>
    </message>
    <message>
        <source>Difference A - B</source>
        <translation>Differenz A - B</translation>
    </message>
    <message>
        <source>Difference B - A</source>
        <translation>Differenz B - A</translation>
    </message>
    <message>
        <source>no bit</source>
        <translation>kein Bit</translation>
    </message>
    <message>
        <source>bits %1</source>
        <translation>Bits %1</translation>
    </message>
    <message>
        <source>flag %1, value %2</source>
        <translation>Flag %1, Wert %2</translation>
    </message>
    <message>
        <source>%1 (word %2)</source>
        <translation>%1 (Wort %2)</translation>
    </message>
    <message>
        <source>10 kHz</source>
        <translation>10 kHz</translation>
    </message>
    <message>
        <source>5 kHz</source>
        <translation>5 kHz</translation>
    </message>
    <message>
        <source>2.5 kHz</source>
        <translation>2,5 kHz</translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation>1 kHz</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation>500 Hz</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>   - no permission to open</source>
        <translation>   - keine Berechtigung zum Öffnen</translation>
    </message>
    <message>
        <source>Add yourself to the dialout group: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation>Nehmen Sie sich in die Gruppe dialout auf: sudo usermod -aG dialout $USER, und melden Sie sich danach neu an.</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>REC %1</source>
        <translation>REC %1</translation>
    </message>
    <message>
        <source>Not recording: %1 could not be written</source>
        <translation>Keine Aufzeichnung: %1 nicht schreibbar</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Error! Recording stopped: the file could not be written.</source>
        <translation>Fehler! Aufzeichnung beendet: Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Record live samples to</source>
        <translation>Messwerte aufzeichnen in</translation>
    </message>
    <message>
        <source>Error! The recording file could not be written.</source>
        <translation>Fehler! Die Aufzeichnungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Recording live samples to %1</source>
        <translation>Messwerte werden aufgezeichnet in %1</translation>
    </message>
    <message>
        <source>sample</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>samples</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Recording stopped: %1 in %2</source>
        <translation>Aufzeichnung beendet: %1 in %2</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Selected: %1</source>
        <translation>Ausgewählt: %1</translation>
    </message>
    <message>
        <source>Mode bit</source>
        <translation>Modusbit</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Output %1 mode bits without a selector</source>
        <translation>Modusbits von Ausgang %1 ohne Auswahlfeld</translation>
    </message>
    <message>
        <source>Changes not sent</source>
        <translation>Nicht gesendete Änderungen</translation>
    </message>
    <message>
        <source>channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>common settings</source>
        <translation>allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>On no page</source>
        <translation>Auf keiner Seite</translation>
    </message>
    <message>
        <source>About this report</source>
        <translation>Zu diesem Bericht</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Controller version</source>
        <translation>Version des Steuergeräts</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>Parameter report</source>
        <translation>Parameterbericht</translation>
    </message>
    <message>
        <source>Set from</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>TELVAR-K20-Dizer parameter report</source>
        <translation>TELVAR-K20-Dizer-Parameterbericht</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>controller RAM</source>
        <translation>Steuergerät-RAM</translation>
    </message>
    <message>
        <source>controller EEPROM</source>
        <translation>Steuergerät-EEPROM</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
</context>
<context>
    <name>STATS</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>O&amp;ver</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Statistics over</source>
        <translation>Statistik über</translation>
    </message>
    <message>
        <source>last samples</source>
        <translation>letzte Werte</translation>
    </message>
    <message>
        <source>since the reset</source>
        <translation>seit Zurücksetzen</translation>
    </message>
    <message>
        <source>chart&apos;s range</source>
        <translation>Diagrammbereich</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>Number of last samples</source>
        <translation>Anzahl der letzten Werte</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Figures and histogram</source>
        <translation>Kennwerte und Histogramm</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Kennwerte</translation>
    </message>
    <message>
        <source>Statistics figures</source>
        <translation>Kennwerte der Statistik</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>Copy the figures as text</source>
        <translation>Kennwerte als Text kopieren</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>Export the figures as CSV</source>
        <translation>Kennwerte als CSV exportieren</translation>
    </message>
    <message>
        <source>&amp;Gauge study...</source>
        <translation>&amp;Messmittelfähigkeit...</translation>
    </message>
    <message>
        <source>Open the gauge study</source>
        <translation>Messmittelfähigkeit öffnen</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histogramm</translation>
    </message>
    <message>
        <source>Histogram &amp;of</source>
        <translation>Histogramm &amp;von</translation>
    </message>
    <message>
        <source>Histogram of</source>
        <translation>Histogramm von</translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>samples</source>
        <translation>Anzahl Werte</translation>
    </message>
</context>
<context>
    <name>Scope</name>
    <message>
        <source>Line: %1, controller: %2</source>
        <translation>Verbindung: %1, Steuergerät: %2</translation>
    </message>
    <message>
        <source>Rawdata recieved.</source>
        <translation>Rohdaten empfangen.</translation>
    </message>
    <message>
        <source>Reseting data ... </source>
        <translation>Daten werden zurückgesetzt ... </translation>
    </message>
    <message>
        <source>Sending TEACH order ... </source>
        <translation>Befehl „Einlernen“ wird gesendet ... </translation>
    </message>
    <message>
        <source>Cursor %1: sample %2</source>
        <translation>Cursor %1: Wert Nr. %2</translation>
    </message>
    <message>
        <source>, %1 from the trigger</source>
        <translation>, %1 vom Trigger</translation>
    </message>
    <message>
        <source> (active)</source>
        <translation> (aktiv)</translation>
    </message>
    <message>
        <source>No samples under the cursors</source>
        <translation>Keine Werte unter den Cursorn</translation>
    </message>
    <message>
        <source>No trace shown</source>
        <translation>Keine Kurve angezeigt</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Cursor 1</source>
        <translation>Cursor 1</translation>
    </message>
    <message>
        <source>Cursor 2</source>
        <translation>Cursor 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Difference: %1 sample</source>
        <translation>Differenz: %1 Wert</translation>
    </message>
    <message>
        <source>Difference: %1 samples</source>
        <translation>Differenz: %1 Werte</translation>
    </message>
    <message>
        <source>No new trigger event. No data availible.</source>
        <translation>Kein neues Trigger-Ereignis. Keine Daten verfügbar.</translation>
    </message>
    <message>
        <source>Data from index %i to index %i recieved.</source>
        <translation>Daten von Index %i bis Index %i empfangen.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Sigma</source>
        <translation>Sigma</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Spanne</translation>
    </message>
    <message>
        <source>Lower</source>
        <translatorcomment>shortened: the pane&apos;s first column is as wide as 9 digits</translatorcomment>
        <translation>Untergr.</translation>
    </message>
    <message>
        <source>Upper</source>
        <translatorcomment>shortened: the pane&apos;s first column is as wide as 9 digits</translatorcomment>
        <translation>Obergr.</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Außerhalb</translation>
    </message>
    <message>
        <source>Outside %</source>
        <translatorcomment>shortened: the pane&apos;s first column is as wide as 9 digits</translatorcomment>
        <translation>Außerh. %</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>keine Werte</translation>
    </message>
    <message>
        <source>the values are too large to add up</source>
        <translation>die Werte sind zu groß zum Summieren</translation>
    </message>
    <message>
        <source>fewer than 2 samples</source>
        <translation>weniger als 2 Werte</translation>
    </message>
    <message>
        <source>no spread: every value is the same</source>
        <translation>keine Streuung: alle Werte sind gleich</translation>
    </message>
    <message>
        <source>the lower limit is not below the upper</source>
        <translation>die untere Grenze liegt nicht unter der oberen</translation>
    </message>
    <message>
        <source>the spread is too small for the limits</source>
        <translation>die Streuung ist für die Grenzen zu klein</translation>
    </message>
    <message>
        <source>Why no value</source>
        <translation>Warum kein Wert</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kennwert</translation>
    </message>
    <message>
        <source>Last %1 samples</source>
        <translation>Letzte %1 Werte</translation>
    </message>
    <message>
        <source>Since the reset</source>
        <translation>Seit dem Zurücksetzen</translation>
    </message>
    <message>
        <source>Samples %1 to %2</source>
        <translation>Werte %1 bis %2</translation>
    </message>
    <message>
        <source>below %.1f %%</source>
        <translation>unter %.1f %%</translation>
    </message>
    <message>
        <source>above %.1f %%</source>
        <translation>über %.1f %%</translation>
    </message>
    <message>
        <source>reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>The limits changed inside the window; the figures use the last.</source>
        <translation>Die Grenzen haben sich im gewählten Bereich geändert; die Kennwerte verwenden die letzten.</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Statistik exportieren</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Der Dateiname ist zu lang.</translation>
    </message>
    <message>
        <source>The statistics could not be saved to %1: %2.</source>
        <translation>Die Statistik konnte nicht unter %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>TELVAR_K20_Dizer_D30e</name>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>&amp;Transport</source>
        <translation>&amp;Schnittstelle</translation>
    </message>
    <message>
        <source>RS-232 or TCP/IP</source>
        <translation>RS-232 oder TCP/IP</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>&amp;COM port</source>
        <translation>&amp;COM-Port</translation>
    </message>
    <message>
        <source>Serial port of the controller</source>
        <translation>Serielle Schnittstelle des Steuergeräts</translation>
    </message>
    <message>
        <source>How to get the permission to open the chosen port</source>
        <translation>Wie Sie die Berechtigung erhalten, den gewählten Port zu öffnen</translation>
    </message>
    <message>
        <source>IP &amp;address</source>
        <translation>IP-&amp;Adresse</translation>
    </message>
    <message>
        <source>Address of the controller, with the recent addresses in its list</source>
        <translation>Adresse des Steuergeräts, mit den zuletzt verwendeten Adressen in der Liste</translation>
    </message>
    <message>
        <source>&amp;Port number</source>
        <translation>&amp;Portnummer</translation>
    </message>
    <message>
        <source>TCP port of the controller</source>
        <translation>TCP-Port des Steuergeräts</translation>
    </message>
    <message>
        <source>Why the port number was refused</source>
        <translation>Warum die Portnummer abgelehnt wurde</translation>
    </message>
    <message>
        <source>&amp;Reconnect automatically</source>
        <translation>Automatisch &amp;neu verbinden</translation>
    </message>
    <message>
        <source>When the open line is lost, wait for it to return and open it again</source>
        <translation>Bricht die offene Verbindung ab, auf ihre Rückkehr warten und sie erneut öffnen</translation>
    </message>
    <message>
        <source>NO CONNECTION ESTABLISHED</source>
        <translation>KEINE VERBINDUNG HERGESTELLT</translation>
    </message>
    <message>
        <source>Connection state</source>
        <translation>Verbindungszustand</translation>
    </message>
    <message>
        <source>Why the connection failed</source>
        <translation>Warum die Verbindung fehlschlug</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Versuchen</translation>
    </message>
    <message>
        <source>Try to connect</source>
        <translation>Verbindung versuchen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Accept connection</source>
        <translation>Verbindung übernehmen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Logo A</source>
        <translation>Logo A</translation>
    </message>
    <message>
        <source>Logo B</source>
        <translation>Logo B</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Open the connection dialog (F2)</source>
        <translation>Verbindungsdialog öffnen (F2)</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send parameters</source>
        <translation>Parameter senden</translation>
    </message>
    <message>
        <source>Send the pages to the chosen RAM, EEPROM or file (F3)</source>
        <translation>Die Seiten an das gewählte Ziel senden: RAM, EEPROM oder Datei (F3)</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Get parameters</source>
        <translation>Parameter abrufen</translation>
    </message>
    <message>
        <source>Get the set from the chosen RAM, EEPROM or file onto the pages (F4)</source>
        <translation>Den Parametersatz aus dem gewählten Ziel auf die Seiten holen: RAM, EEPROM oder Datei (F4)</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Compare the pages with the chosen RAM, EEPROM or file (F6)</source>
        <translation>Die Seiten mit dem gewählten Ziel vergleichen: RAM, EEPROM oder Datei (F6)</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>RAM</translation>
    </message>
    <message>
        <source>Target RAM</source>
        <translation>Ziel RAM</translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>Target EEPROM</source>
        <translation>Ziel EEPROM</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Target file</source>
        <translation>Ziel Datei</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset controller</source>
        <translation>Steuergerät zurücksetzen</translation>
    </message>
    <message>
        <source>TEACH</source>
        <translation>Einlernen</translation>
    </message>
    <message>
        <source>Teach controller</source>
        <translation>Steuergerät einlernen</translation>
    </message>
    <message>
        <source>TRIGGER</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>RECORDER</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Write every displayed sample to a CSV file, until pressed again (F7)</source>
        <translation>Jeden angezeigten Wert in eine CSV-Datei schreiben, bis erneut gedrückt (F7)</translation>
    </message>
    <message>
        <source>REPORT</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Print the set the pages show as a parameter report (F8)</source>
        <translation>Den Parametersatz der Seiten als Parameterbericht drucken (F8)</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print window</source>
        <translation>Fenster drucken</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>View Channel A</source>
        <translation>Ansicht Kanal A</translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>View Channel B</source>
        <translation>Ansicht Kanal B</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>View Evaluation</source>
        <translation>Ansicht Auswertung</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>View Outputs</source>
        <translation>Ansicht Ausgänge</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>View Update</source>
        <translation>Ansicht Aktualisierung</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>View Test</source>
        <translation>Ansicht Test</translation>
    </message>
    <message>
        <source>Scope + Set</source>
        <translatorcomment>lines: the view button has room for two lines of German, not for one.</translatorcomment>
        <translation>Scope +
Parameter</translation>
    </message>
    <message>
        <source>View Scope + Set</source>
        <translation>Ansicht Scope + Parameter</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Scope</translation>
    </message>
    <message>
        <source>View Scope</source>
        <translation>Ansicht Scope</translation>
    </message>
    <message>
        <source>MONITOR</source>
        <translation>MONITOR</translation>
    </message>
    <message>
        <source>Frame monitor</source>
        <translation>Telegrammmonitor</translation>
    </message>
    <message>
        <source>Open the frame monitor (F9)</source>
        <translation>Telegrammmonitor öffnen (F9)</translation>
    </message>
    <message>
        <source>Strip chart</source>
        <translation>Verlaufsdiagramm</translation>
    </message>
    <message>
        <source>Data memory graph</source>
        <translation>Datenspeicherdiagramm</translation>
    </message>
    <message>
        <source>Settings Channel A</source>
        <translation>Einstellungen Kanal A</translation>
    </message>
    <message>
        <source>Settings Channel B</source>
        <translation>Einstellungen Kanal B</translation>
    </message>
    <message>
        <source>Settings Evaluation</source>
        <translation>Einstellungen Auswertung</translation>
    </message>
    <message>
        <source>Evaluation value</source>
        <translation>Wert der Auswertung</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Show the statistics</source>
        <translation>Statistik anzeigen</translation>
    </message>
    <message>
        <source>Channel A value</source>
        <translation>Wert Kanal A</translation>
    </message>
    <message>
        <source>Channel B value</source>
        <translation>Wert Kanal B</translation>
    </message>
    <message>
        <source>Channel A 2nd value</source>
        <translation>Kanal A 2. Wert</translation>
    </message>
    <message>
        <source>Channel A second value</source>
        <translation>Kanal A zweiter Wert</translation>
    </message>
    <message>
        <source>Channel B 2nd value</source>
        <translation>Kanal B 2. Wert</translation>
    </message>
    <message>
        <source>Channel B second value</source>
        <translation>Kanal B zweiter Wert</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Run live acquisition</source>
        <translation>Messwerterfassung starten</translation>
    </message>
    <message>
        <source>Show live values on the strip chart (F5)</source>
        <translation>Messwerte im Verlaufsdiagramm anzeigen (F5)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop RUN or DATA (Shift+F5)</source>
        <translation>START oder DATEN stoppen (Umschalt+F5)</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATEN</translation>
    </message>
    <message>
        <source>Read data memory</source>
        <translation>Datenspeicher lesen</translation>
    </message>
    <message>
        <source>Trace Channel A</source>
        <translation>Kurve Kanal A</translation>
    </message>
    <message>
        <source>Trace Channel B</source>
        <translation>Kurve Kanal B</translation>
    </message>
    <message>
        <source>Trace Evaluation</source>
        <translation>Kurve Auswertung</translation>
    </message>
    <message>
        <source>Trigger level</source>
        <translation>Triggerpegel</translation>
    </message>
    <message>
        <source>Trace Trigger level</source>
        <translation>Kurve Triggerpegel</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Obere Grenze</translation>
    </message>
    <message>
        <source>Trace Upper limit</source>
        <translation>Kurve obere Grenze</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Trace Reference</source>
        <translation>Kurve Referenz</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>Trace Lower limit</source>
        <translation>Kurve untere Grenze</translation>
    </message>
    <message>
        <source>2nd value (max)</source>
        <translation>2. Wert (Max.)</translation>
    </message>
    <message>
        <source>Trace 2nd value (max)</source>
        <translation>Kurve 2. Wert (Max.)</translation>
    </message>
    <message>
        <source>3rd value (min)</source>
        <translation>3. Wert (Min.)</translation>
    </message>
    <message>
        <source>Trace 3rd value (min)</source>
        <translation>Kurve 3. Wert (Min.)</translation>
    </message>
    <message>
        <source>Cursors</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Chart cursors</source>
        <translation>Diagramm-Cursor</translation>
    </message>
    <message>
        <source>Two cursors on the chart: drag them, or with the chart focused Left and Right (Shift: ten samples), Tab or 1 and 2 to choose one</source>
        <translation>Zwei Cursor im Diagramm: Ziehen Sie sie, oder bei fokussiertem Diagramm Pfeil links und rechts (Umschalt: zehn Werte), Tab oder 1 und 2 wählt einen</translation>
    </message>
    <message>
        <source>Recorder lamp</source>
        <translation>Aufzeichnungslampe</translation>
    </message>
    <message>
        <source>Red while the recorder writes a file, amber once a write error stopped it</source>
        <translation>Rot, solange die Aufzeichnung eine Datei schreibt, gelb, sobald ein Schreibfehler sie beendet hat</translation>
    </message>
    <message>
        <source>Status line</source>
        <translatorcomment>glossary: the window&apos;s line of status text, not the connection to the controller</translatorcomment>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Connection lamp</source>
        <translation>Verbindungslampe</translation>
    </message>
    <message>
        <source>Green while a line to the controller is open</source>
        <translation>Grün, solange eine Verbindung zum Steuergerät offen ist</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Page background</source>
        <translation>Seitenhintergrund</translation>
    </message>
    <message>
        <source>The window&apos;s language: the desktop&apos;s, or one chosen here. It changes when the tool starts again.</source>
        <translation>Die Sprache des Fensters: die des Desktops oder die hier gewählte. Sie wechselt beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <translation>Spra&amp;che</translation>
    </message>
</context>
<context>
    <name>TEST</name>
    <message>
        <source>Test mode</source>
        <translation>Testbetrieb</translation>
    </message>
    <message>
        <source>Test mode: driving the outputs</source>
        <translation>Testbetrieb: Ansteuern der Ausgänge</translation>
    </message>
    <message>
        <source>ENTER test mode</source>
        <translation>Testbetrieb BEGINNEN</translation>
    </message>
    <message>
        <source>Enter test mode</source>
        <translation>Testbetrieb beginnen</translation>
    </message>
    <message>
        <source>EXIT test mode</source>
        <translation>Testbetrieb BEENDEN</translation>
    </message>
    <message>
        <source>Exit test mode</source>
        <translation>Testbetrieb beenden</translation>
    </message>
    <message>
        <source>Numeric test words</source>
        <translation>Numerische Testwörter</translation>
    </message>
    <message>
        <source>Word &amp;0</source>
        <translation>Wort &amp;0</translation>
    </message>
    <message>
        <source>Test word 0</source>
        <translation>Testwort 0</translation>
    </message>
    <message>
        <source>Sent as word 0 of the test data</source>
        <translation>Gesendet als Wort 0 der Testdaten</translation>
    </message>
    <message>
        <source>Word &amp;1</source>
        <translation>Wort &amp;1</translation>
    </message>
    <message>
        <source>Test word 1</source>
        <translation>Testwort 1</translation>
    </message>
    <message>
        <source>Sent as word 1 of the test data</source>
        <translation>Gesendet als Wort 1 der Testdaten</translation>
    </message>
    <message>
        <source>Word &amp;3</source>
        <translation>Wort &amp;3</translation>
    </message>
    <message>
        <source>Test word 3</source>
        <translation>Testwort 3</translation>
    </message>
    <message>
        <source>Sent as word 3 of the test data</source>
        <translation>Gesendet als Wort 3 der Testdaten</translation>
    </message>
    <message>
        <source>Word &amp;4</source>
        <translation>Wort &amp;4</translation>
    </message>
    <message>
        <source>Test word 4</source>
        <translation>Testwort 4</translation>
    </message>
    <message>
        <source>Sent as word 4 of the test data</source>
        <translation>Gesendet als Wort 4 der Testdaten</translation>
    </message>
    <message>
        <source>Word &amp;5</source>
        <translation>Wort &amp;5</translation>
    </message>
    <message>
        <source>Test word 5</source>
        <translation>Testwort 5</translation>
    </message>
    <message>
        <source>Sent as word 5 of the test data</source>
        <translation>Gesendet als Wort 5 der Testdaten</translation>
    </message>
    <message>
        <source>Word &amp;7</source>
        <translation>Wort &amp;7</translation>
    </message>
    <message>
        <source>Test word 7</source>
        <translation>Testwort 7</translation>
    </message>
    <message>
        <source>Sent as word 7 of the test data</source>
        <translation>Gesendet als Wort 7 der Testdaten</translation>
    </message>
    <message>
        <source>Test word 10</source>
        <translation>Testwort 10</translation>
    </message>
    <message>
        <source>Sent as word 10 of the test data, low 16 bits</source>
        <translation>Gesendet als Wort 10 der Testdaten, untere 16 Bit</translation>
    </message>
    <message>
        <source>Word 2: switches and lamps</source>
        <translation>Wort 2: Schalter und Lampen</translation>
    </message>
    <message>
        <source>Switch 1: bit 0</source>
        <translation>Schalter 1: Bit 0</translation>
    </message>
    <message>
        <source>Switch 1</source>
        <translation>Schalter 1</translation>
    </message>
    <message>
        <source>Word 2 bit 0</source>
        <translation>Wort 2 Bit 0</translation>
    </message>
    <message>
        <source>Switch 2: bit 1</source>
        <translation>Schalter 2: Bit 1</translation>
    </message>
    <message>
        <source>Switch 2</source>
        <translation>Schalter 2</translation>
    </message>
    <message>
        <source>Word 2 bit 1</source>
        <translation>Wort 2 Bit 1</translation>
    </message>
    <message>
        <source>Inverted switch: bit 7 while off</source>
        <translation>Invertierter Schalter: Bit 7, solange aus</translation>
    </message>
    <message>
        <source>Inverted switch</source>
        <translation>Invertierter Schalter</translation>
    </message>
    <message>
        <source>Word 2 bit 7, set while the switch is off</source>
        <translation>Wort 2 Bit 7, gesetzt, solange der Schalter aus ist</translation>
    </message>
    <message>
        <source>Lamp 1</source>
        <translation>Lampe 1</translation>
    </message>
    <message>
        <source>Word 2 bit 2 when lit red, bit 5 when lit green</source>
        <translation>Wort 2 Bit 2 bei rotem Licht, Bit 5 bei grünem Licht</translation>
    </message>
    <message>
        <source>Lamp 1: bit 2 red, bit 5 green; each switch-off changes the colour</source>
        <translation>Lampe 1: Bit 2 rot, Bit 5 grün; jedes Ausschalten wechselt die Farbe</translation>
    </message>
    <message>
        <source>Lamp 2</source>
        <translation>Lampe 2</translation>
    </message>
    <message>
        <source>Word 2 bit 4 when lit yellow, bit 3 when lit green</source>
        <translation>Wort 2 Bit 4 bei gelbem Licht, Bit 3 bei grünem Licht</translation>
    </message>
    <message>
        <source>Lamp 2: bit 4 yellow, bit 3 green; each switch-off changes the colour</source>
        <translation>Lampe 2: Bit 4 gelb, Bit 3 grün; jedes Ausschalten wechselt die Farbe</translation>
    </message>
    <message>
        <source>The controller&apos;s answer to the last test exchange</source>
        <translation>Antwort des Steuergeräts auf den letzten Testaustausch</translation>
    </message>
    <message>
        <source>Answer word 0</source>
        <translation>Wort 0 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 1</source>
        <translation>Wort 1 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 2</source>
        <translation>Wort 2 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 3</source>
        <translation>Wort 3 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 4</source>
        <translation>Wort 4 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 5</source>
        <translation>Wort 5 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 6</source>
        <translation>Wort 6 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 7</source>
        <translation>Wort 7 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 8</source>
        <translation>Wort 8 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 9</source>
        <translation>Wort 9 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 10</source>
        <translation>Wort 10 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 11</source>
        <translation>Wort 11 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 12</source>
        <translation>Wort 12 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 13</source>
        <translation>Wort 13 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 14</source>
        <translation>Wort 14 der Antwort</translation>
    </message>
    <message>
        <source>Answer word 15</source>
        <translation>Wort 15 der Antwort</translation>
    </message>
    <message>
        <source>Word 10</source>
        <translation>Wort 10</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Select all rows</source>
        <translation>Alle Zeilen auswählen</translation>
    </message>
</context>
<context>
    <name>TestMode</name>
    <message>
        <source>Rawdata recieved.</source>
        <translation>Rohdaten empfangen.</translation>
    </message>
    <message>
        <source>Entering testmode ... </source>
        <translation>Testbetrieb wird gestartet ... </translation>
    </message>
    <message>
        <source>Restarting normal mode ... </source>
        <translation>Normalbetrieb wird wieder aufgenommen ... </translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>Channel A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>A trigger level</source>
        <translation>A Triggerpegel</translation>
    </message>
    <message>
        <source>A upper limit</source>
        <translation>A obere Grenze</translation>
    </message>
    <message>
        <source>A reference</source>
        <translation>A Referenz</translation>
    </message>
    <message>
        <source>A lower limit</source>
        <translation>A untere Grenze</translation>
    </message>
    <message>
        <source>B trigger level</source>
        <translation>B Triggerpegel</translation>
    </message>
    <message>
        <source>B upper limit</source>
        <translation>B obere Grenze</translation>
    </message>
    <message>
        <source>B reference</source>
        <translation>B Referenz</translation>
    </message>
    <message>
        <source>B lower limit</source>
        <translation>B untere Grenze</translation>
    </message>
    <message>
        <source>Evaluation upper limit</source>
        <translation>Auswertung obere Grenze</translation>
    </message>
    <message>
        <source>Evaluation reference</source>
        <translation>Auswertung Referenz</translation>
    </message>
    <message>
        <source>Evaluation lower limit</source>
        <translation>Auswertung untere Grenze</translation>
    </message>
    <message>
        <source>A second value</source>
        <translation>A zweiter Wert</translation>
    </message>
    <message>
        <source>A third value</source>
        <translation>A dritter Wert</translation>
    </message>
    <message>
        <source>B second value</source>
        <translation>B zweiter Wert</translation>
    </message>
    <message>
        <source>B third value</source>
        <translation>B dritter Wert</translation>
    </message>
    <message>
        <source>Channel A data</source>
        <translation>Kanal A Daten</translation>
    </message>
    <message>
        <source>Channel A trigger level</source>
        <translation>Kanal A Triggerpegel</translation>
    </message>
    <message>
        <source>Channel A pretrigger</source>
        <translation>Kanal A Pretrigger</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Channel A upper limit</source>
        <translation>Kanal A obere Grenze</translation>
    </message>
    <message>
        <source>Channel A reference</source>
        <translation>Kanal A Referenz</translation>
    </message>
    <message>
        <source>Channel A lower limit</source>
        <translation>Kanal A untere Grenze</translation>
    </message>
    <message>
        <source>Channel B data</source>
        <translation>Kanal B Daten</translation>
    </message>
    <message>
        <source>Channel B trigger level</source>
        <translation>Kanal B Triggerpegel</translation>
    </message>
    <message>
        <source>Channel B pretrigger</source>
        <translation>Kanal B Pretrigger</translation>
    </message>
    <message>
        <source>Channel B upper limit</source>
        <translation>Kanal B obere Grenze</translation>
    </message>
    <message>
        <source>Channel B reference</source>
        <translation>Kanal B Referenz</translation>
    </message>
    <message>
        <source>Channel B lower limit</source>
        <translation>Kanal B untere Grenze</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>No TELVAR-K20 parameter found in %1.</source>
        <translation>In %1 wurde kein TELVAR-K20-Parameter gefunden.</translation>
    </message>
    <message>
        <source>TELVAR-K20 Parameter File</source>
        <translation>TELVAR-K20-Parameterdatei</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Changes not sent</source>
        <translation>Nicht gesendete Änderungen</translation>
    </message>
    <message>
        <source>The pages hold changes that were not sent. Get would overwrite them.

Send them first, discard them, or cancel the Get?</source>
        <translation>Die Seiten enthalten Änderungen, die nicht gesendet wurden. Abrufen würde sie überschreiben.

Sollen sie zuerst gesendet oder verworfen werden, oder soll das Abrufen abgebrochen werden?</translation>
    </message>
    <message>
        <source>The pages hold changes that were not sent. Closing would lose them.

Send them first, discard them, or cancel closing?</source>
        <translation>Die Seiten enthalten Änderungen, die nicht gesendet wurden. Beim Schließen gingen sie verloren.

Sollen sie zuerst gesendet oder verworfen werden, oder soll das Schließen abgebrochen werden?</translation>
    </message>
    <message>
        <source>Parameter set &apos;A&apos; sent to sensor.</source>
        <translation>Parametersatz „A“ an den Sensor gesendet.</translation>
    </message>
    <message>
        <source>Parameter set &apos;A&apos; loaded from sensor.</source>
        <translation>Parametersatz „A“ vom Sensor geladen.</translation>
    </message>
    <message>
        <source>Parameter set &apos;B&apos; sent to sensor.</source>
        <translation>Parametersatz „B“ an den Sensor gesendet.</translation>
    </message>
    <message>
        <source>Parameter set &apos;B&apos; loaded from sensor.</source>
        <translation>Parametersatz „B“ vom Sensor geladen.</translation>
    </message>
    <message>
        <source>Parameter saved to sensor.</source>
        <translation>Parameter im Sensor gespeichert.</translation>
    </message>
    <message>
        <source>Parameter loaded from sensor.</source>
        <translation>Parameter vom Sensor geladen.</translation>
    </message>
    <message>
        <source>Parameter saved to file.</source>
        <translation>Parameter in Datei gespeichert.</translation>
    </message>
    <message>
        <source>Parameter saving to file failed.</source>
        <translation>Speichern der Parameter in Datei fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Parameter loaded from file.</source>
        <translation>Parameter aus Datei geladen.</translation>
    </message>
    <message>
        <source>Parameter load from file failed.</source>
        <translation>Laden der Parameter aus Datei fehlgeschlagen.</translation>
    </message>
    <message>
        <source>... and %1</source>
        <translation>... und %1</translation>
    </message>
    <message>
        <source>more change.</source>
        <translation>weitere Änderung.</translation>
    </message>
    <message>
        <source>more changes.</source>
        <translation>weitere Änderungen.</translation>
    </message>
    <message>
        <source>Send to EEPROM</source>
        <translation>An EEPROM senden</translation>
    </message>
    <message>
        <source>Send to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Send to RAM</source>
        <translation>An RAM senden</translation>
    </message>
</context>
<context>
    <name>UPDATE</name>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>firmware selected</source>
        <translation>Firmware gewählt</translation>
    </message>
    <message>
        <source>Green: selected; red: not selected</source>
        <translation>Grün: gewählt; rot: nicht gewählt</translation>
    </message>
    <message>
        <source>&amp;Firmware</source>
        <translation>&amp;Firmware</translation>
    </message>
    <message>
        <source>firmware file</source>
        <translation>Firmware-Datei</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Load firmware</source>
        <translation>Firmware laden</translation>
    </message>
    <message>
        <source>Merge linearisation data of channel A</source>
        <translation>Linearisierungsdaten von Kanal A zusammenführen</translation>
    </message>
    <message>
        <source>linearisation data of channel A selected</source>
        <translation>Linearisierungsdaten von Kanal A gewählt</translation>
    </message>
    <message>
        <source>Table channel &amp;A</source>
        <translation>Tabelle Kanal &amp;A</translation>
    </message>
    <message>
        <source>linearisation data of channel A file</source>
        <translation>Datei der Linearisierungsdaten von Kanal A</translation>
    </message>
    <message>
        <source>Load linearisation data of channel A</source>
        <translation>Linearisierungsdaten von Kanal A laden</translation>
    </message>
    <message>
        <source>Merge linearisation data of channel B</source>
        <translation>Linearisierungsdaten von Kanal B zusammenführen</translation>
    </message>
    <message>
        <source>linearisation data of channel B selected</source>
        <translation>Linearisierungsdaten von Kanal B gewählt</translation>
    </message>
    <message>
        <source>Table channel &amp;B</source>
        <translation>Tabelle Kanal &amp;B</translation>
    </message>
    <message>
        <source>linearisation data of channel B file</source>
        <translation>Datei der Linearisierungsdaten von Kanal B</translation>
    </message>
    <message>
        <source>Load linearisation data of channel B</source>
        <translation>Linearisierungsdaten von Kanal B laden</translation>
    </message>
    <message>
        <source>merged image selected</source>
        <translation>Zusammengeführtes Abbild gewählt</translation>
    </message>
    <message>
        <source>Merged image</source>
        <translation>Zusammengeführtes Abbild</translation>
    </message>
    <message>
        <source>merged image file</source>
        <translation>Datei des zusammengeführten Abbilds</translation>
    </message>
    <message>
        <source>Address window of the tables</source>
        <translation>Adressfenster der Tabellen</translation>
    </message>
    <message>
        <source>Window &amp;start</source>
        <translation>&amp;Startadresse</translation>
    </message>
    <message>
        <source>Window start address</source>
        <translation>Startadresse des Fensters</translation>
    </message>
    <message>
        <source>Window address before the offset 0x2000000</source>
        <translation>Fensteradresse vor dem Offset 0x2000000</translation>
    </message>
    <message>
        <source>Window &amp;end</source>
        <translation>&amp;Endadresse</translation>
    </message>
    <message>
        <source>Window end address</source>
        <translation>Endadresse des Fensters</translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation>ZUSAMMENFÜHREN</translation>
    </message>
    <message>
        <source>Merge the tables into the image</source>
        <translation>Tabellen mit dem Abbild zusammenführen</translation>
    </message>
    <message>
        <source>Ready for download</source>
        <translation>Bereit zur Übertragung</translation>
    </message>
    <message>
        <source>Yellow: an image is ready; red: the last step failed</source>
        <translation>Gelb: ein Abbild ist bereit; rot: der letzte Schritt ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>PROGRAMMIEREN</translation>
    </message>
    <message>
        <source>Download the image to the controller</source>
        <translation>Abbild in das Steuergerät übertragen</translation>
    </message>
    <message>
        <source>Boot loader &amp;log</source>
        <translation>Bootloader-&amp;Protokoll</translation>
    </message>
    <message>
        <source>What the last merge put into the image, or what the boot loader sent</source>
        <translation>Was das letzte Zusammenführen in das Abbild geschrieben hat oder was der Bootloader gesendet hat</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>waiting for %1</source>
        <translation>warte auf %1</translation>
    </message>
    <message>
        <source>waiting for line</source>
        <translation>Warten auf Verbindung</translation>
    </message>
    <message>
        <source>line lost</source>
        <translation>Verbindung unterbrochen</translation>
    </message>
    <message>
        <source>Main window</source>
        <translatorcomment>Starts the sentences &quot;%s printed to ...&quot;: with its article.</translatorcomment>
        <translation>Das Hauptfenster</translation>
    </message>
    <message>
        <source>Error! Printing failed.</source>
        <translation>Fehler! Das Drucken ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%s printed to file %s.</source>
        <translation>%s wurde in die Datei %s gedruckt.</translation>
    </message>
    <message>
        <source>%s printed to %s.</source>
        <translation>%s wurde auf %s gedruckt.</translation>
    </message>
    <message>
        <source>Parameter report</source>
        <translatorcomment>Starts the sentences &quot;%s printed to ...&quot;: with its article.</translatorcomment>
        <translation>Der Parameterbericht</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Status line</source>
        <translatorcomment>glossary: the window&apos;s status line, a line of text, not the line to the controller</translatorcomment>
        <translation>Statuszeile</translation>
    </message>
</context>
</TS>
