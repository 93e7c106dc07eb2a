<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardCanvas</name>
    <message>
        <source>My Goal</source>
        <translation>Mein Ziel</translation>
    </message>
</context>
<context>
    <name>KestrelFile</name>
    <message>
        <source>It is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>SchedulePanel</name>
    <message>
        <source>Project start:</source>
        <translation>Projektbeginn:</translation>
    </message>
    <message>
        <source>Working week:</source>
        <translation>Arbeitswoche:</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Prepare &amp;Calendar</source>
        <translation>&amp;Kalender vorbereiten</translation>
    </message>
    <message>
        <source>Convert Items to &amp;List</source>
        <translation>Einträge als Liste k&amp;opieren</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Remove &amp;Selected</source>
        <translation>&amp;Ausgewählte entfernen</translation>
    </message>
    <message>
        <source>Remove I&amp;tems</source>
        <translation>Alle Einträge entfer&amp;nen</translation>
    </message>
    <message>
        <source>Export CS&amp;V...</source>
        <translation>CS&amp;V exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>&amp;iCalendar exportieren...</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Press Enter to add the Sub-Goal to the dashboard.</source>
        <translation>Eingabetaste fügt das Teilziel hinzu.</translation>
    </message>
    <message>
        <source>Project Tasks:</source>
        <translation>Projektaufgaben:</translation>
    </message>
    <message>
        <source>Enter 1 Task Per Line. Each Task Must Have at least 2 chararcters.</source>
        <translation>Eine Aufgabe pro Zeile eingeben. Jede Aufgabe braucht mindestens 2 Zeichen.</translation>
    </message>
    <message>
        <source>Due Date:</source>
        <translation>Fällig:</translation>
    </message>
    <message>
        <source>Enable &quot;Due Date&quot;</source>
        <translation>&quot;Fälligkeitsdatum&quot; aktivieren</translation>
    </message>
</context>
<context>
    <name>SubGoalCard</name>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Delete this sub-goal</source>
        <translation>Dieses Teilziel löschen</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>My Goal</source>
        <translation>Mein Ziel</translation>
    </message>
    <message>
        <source>New Project (No Filename)</source>
        <translation>Neues Projekt (ohne Dateinamen)</translation>
    </message>
    <message>
        <source>Open the projects folder</source>
        <translation>Projektordner öffnen</translation>
    </message>
    <message>
        <source>Main Goal:</source>
        <translation>Hauptziel:</translation>
    </message>
    <message>
        <source>Sub Goal:</source>
        <translation>Teilziel:</translation>
    </message>
    <message>
        <source>Goal Name:</source>
        <translation>Zielname:</translation>
    </message>
    <message>
        <source>Add New Sub-Goal:</source>
        <translation>Neues Teilziel hinzufügen:</translation>
    </message>
    <message>
        <source>Edit Sub-Goal Name:</source>
        <translation>Teilziel umbenennen:</translation>
    </message>
    <message>
        <source>Characters Left: %1</source>
        <translation>Zeichen übrig: %1</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Side bar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Project tasks</source>
        <translation>Projektaufgaben</translation>
    </message>
    <message>
        <source>Due date calendar</source>
        <translation>Kalender für das Fälligkeitsdatum</translation>
    </message>
    <message>
        <source>Schedule list</source>
        <translation>Zeitplanliste</translation>
    </message>
    <message>
        <source>Tasks: %1</source>
        <translation>Aufgaben: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Erledigt: %1</translation>
    </message>
    <message>
        <source>Pending: %1</source>
        <translation>Offen: %1</translation>
    </message>
    <message>
        <source>Due Date: %1</source>
        <translation>Fällig: %1</translation>
    </message>
    <message>
        <source>Ooops! You can create up to 8 sub-goals per goal so you can keep an eye on everything (sometimes less is more).</source>
        <translation>Hoppla! Pro Ziel sind bis zu 8 Teilziele möglich, damit alles im Blick bleibt (manchmal ist weniger mehr).</translation>
    </message>
    <message>
        <source>Ooops</source>
        <translation>Hoppla</translation>
    </message>
    <message>
        <source>Delete Sub Goal?</source>
        <translation>Teilziel löschen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Want to save changes before?</source>
        <translation>Änderungen vorher speichern?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Ready! Project saved.</source>
        <translation>Fertig! Das Projekt wurde gespeichert.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>It is not a Tarvo project: it has neither a [Project] nor a [Goals] section.</source>
        <translation>Das ist kein Tarvo-Projekt: Es enthält weder einen Abschnitt [Project] noch einen Abschnitt [Goals].</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; could not be opened.

%2</source>
        <translation>Das Projekt &quot;%1&quot; konnte nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>The project could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Das Projekt konnte nicht unter &quot;%1&quot; gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>At %1 MB it would be larger than the %2 MB a project may have to be opened again. Shorten some task lists and save again.</source>
        <translation>Mit %1 MB wäre es größer als die %2 MB, die ein Projekt höchstens haben darf, um wieder geöffnet werden zu können. Kürzen Sie einige Aufgabenlisten und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Der Ordner &quot;%1&quot; konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>No file browser could be started to show &quot;%1&quot;.</source>
        <translation>Es konnte kein Dateimanager gestartet werden, um &quot;%1&quot; anzuzeigen.</translation>
    </message>
    <message>
        <source>The tasks could not be written to &quot;%1&quot;: %2

They are kept, and written as soon as the file can be.</source>
        <translation>Die Aufgaben konnten nicht in &quot;%1&quot; geschrieben werden: %2

Sie bleiben erhalten und werden geschrieben, sobald die Datei wieder beschreibbar ist.</translation>
    </message>
    <message>
        <source>The tasks could not be read from &quot;%1&quot;: %2</source>
        <translation>Die Aufgaben konnten nicht aus &quot;%1&quot; gelesen werden: %2</translation>
    </message>
    <message>
        <source>The changes could not be restored: %1</source>
        <translation>Die Änderungen konnten nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>Changes left by an earlier run could not be read. They are kept in &quot;%1&quot;.</source>
        <translation>Änderungen aus einer früheren Sitzung konnten nicht gelesen werden. Sie bleiben in &quot;%1&quot; erhalten.</translation>
    </message>
    <message>
        <source>The copy of your unsaved changes could not be written to &quot;%1&quot;: %2

Save the project to keep them safe.</source>
        <translation>Die Sicherungskopie der ungespeicherten Änderungen konnte nicht in &quot;%1&quot; geschrieben werden: %2

Speichern Sie das Projekt, damit sie nicht verloren gehen.</translation>
    </message>
    <message>
        <source>Another Tarvo now uses the folder &quot;%1&quot;, so this one no longer writes there. Save your project with Save As, close this window and carry on in the other Tarvo.</source>
        <translation>Ein anderes Tarvo verwendet jetzt den Ordner &quot;%1&quot;, daher schreibt dieses nicht mehr dorthin. Speichern Sie das Projekt mit „Speichern unter“, schließen Sie dieses Fenster und arbeiten Sie im anderen Tarvo weiter.</translation>
    </message>
    <message>
        <source>the sub-goal key &quot;%1&quot; cannot name a task file.</source>
        <translation>der Schlüssel &quot;%1&quot; des Teilziels taugt nicht als Name einer Aufgabendatei.</translation>
    </message>
    <message>
        <source>Please select a file.</source>
        <translation>Bitte eine Datei auswählen.</translation>
    </message>
    <message>
        <source>Missing Info</source>
        <translation>Fehlende Angabe</translation>
    </message>
    <message>
        <source>Please enter a name for the file.</source>
        <translation>Bitte einen Namen für die Datei eingeben.</translation>
    </message>
    <message>
        <source>Please remove any spaces and/or special characters.</source>
        <translation>Bitte Leerzeichen und Sonderzeichen entfernen.</translation>
    </message>
    <message>
        <source>Invalid Name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>File already exists. Want to overwrite it?</source>
        <translation>Die Datei existiert bereits. Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>File Already Exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Print Job Finished</source>
        <translation>Druckauftrag abgeschlossen</translation>
    </message>
    <message>
        <source>Tarvo was closed before your changes were saved. Restore them?</source>
        <translation>Tarvo wurde beendet, bevor die Änderungen gespeichert waren. Sollen sie wiederhergestellt werden?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <translation>Es wurde nichts gedruckt: %1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>The working week has no working day, so no task can be scheduled. Tick at least one day and prepare the calendar again.</source>
        <translation>Die Arbeitswoche hat keinen Arbeitstag, daher kann keine Aufgabe eingeplant werden. Kreuzen Sie mindestens einen Tag an und bereiten Sie den Kalender erneut vor.</translation>
    </message>
    <message>
        <source>%1 task(s) would end after the year 9999 and were left out of the schedule.</source>
        <translation>Aufgaben, die erst nach dem Jahr 9999 enden würden, wurden im Zeitplan ausgelassen: %1.</translation>
    </message>
    <message>
        <source>The task line of the 1 item is on the clipboard.</source>
        <translation>Die Aufgabenzeile des einen Eintrags liegt in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The task lines of the %1 items are on the clipboard.</source>
        <translation>Die Aufgabenzeilen der %1 Einträge liegen in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Ends after the due date, %1</source>
        <translation>Endet nach dem Fälligkeitsdatum (%1)</translation>
    </message>
    <message>
        <source>“%1” was not understood, so this task lasts one day. End the line with “+ 3”, “+ 3 days” or “+ 2 weeks”.</source>
        <translation>“%1” wurde nicht verstanden, daher dauert diese Aufgabe einen Tag. Beenden Sie die Zeile mit “+ 3”, “+ 3 days” oder “+ 2 weeks” (Einheiten auf Englisch).</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>Zeitplan von %1</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Sub-Goal</source>
        <translation>Teilziel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Include d&amp;one tasks</source>
        <translation>&amp;Erledigte Aufgaben einbeziehen</translation>
    </message>
    <message>
        <source>Days off:</source>
        <translation>Freie Tage:</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>The %1 could not be written to &quot;%2&quot;: %3</source>
        <translation>%1 konnte nicht in &quot;%2&quot; geschrieben werden: %3</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>calendar</source>
        <translatorcomment>Placed at the start of the sentence “… konnte nicht in … geschrieben werden”, hence the capitalised article.</translatorcomment>
        <translation>Der Kalender</translation>
    </message>
    <message>
        <source>plan</source>
        <translatorcomment>Placed at the start of the sentence “… konnte nicht in … geschrieben werden”, hence the capitalised article.</translatorcomment>
        <translation>Der Plan</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Due Date of %1</source>
        <translation>Fälligkeitsdatum von %1</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Working Week</source>
        <translation>Arbeitswoche</translation>
    </message>
    <message>
        <source>Tarvo is already running from this folder.</source>
        <translation>Tarvo läuft bereits aus diesem Ordner.</translation>
    </message>
    <message>
        <source>Days Off</source>
        <translation>Freie Tage</translation>
    </message>
    <message>
        <source>Sequence of %1</source>
        <translation>Reihenfolge von %1</translation>
    </message>
    <message>
        <source>Starts after:</source>
        <translation>Beginnt nach:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translatorcomment>Combo item after “Beginnt nach:” (dative).</translatorcomment>
        <translation>(keinem)</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>%1 cannot start after %2: %2 already waits for %1 to end, so neither could ever start. Nothing was changed.</source>
        <translation>%1 kann nicht nach %2 beginnen: %2 wartet bereits auf das Ende von %1, sodass keines von beiden je beginnen könnte. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>On time, no day to spare</source>
        <translation>Pünktlich, kein Tag Puffer</translation>
    </message>
    <message>
        <source>1 day to spare</source>
        <translation>1 Tag Puffer</translation>
    </message>
    <message>
        <source>%1 days to spare</source>
        <translation>%1 Tage Puffer</translation>
    </message>
    <message>
        <source>Late by 1 working day</source>
        <translation>1 Arbeitstag zu spät</translation>
    </message>
    <message>
        <source>Late by %1 working days</source>
        <translation>%1 Arbeitstage zu spät</translation>
    </message>
    <message>
        <source>due %1</source>
        <translation>fällig am %1</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>%1 von %2 erledigt</translation>
    </message>
    <message>
        <source>late by 1 working day</source>
        <translation>1 Arbeitstag zu spät</translation>
    </message>
    <message>
        <source>late by %1 working days</source>
        <translation>%1 Arbeitstage zu spät</translation>
    </message>
    <message>
        <source>The due date has passed with tasks still pending.</source>
        <translation>Das Fälligkeitsdatum ist verstrichen, und es sind noch Aufgaben offen.</translation>
    </message>
    <message>
        <source>The plan ends after the due date, on %1.</source>
        <translation>Der Plan endet nach dem Fälligkeitsdatum, am %1.</translation>
    </message>
    <message>
        <source>Updated from disk</source>
        <translation>Vom Datenträger aktualisiert</translation>
    </message>
    <message>
        <source>The project&apos;s file changed on disk: the next Save merges it with your changes.</source>
        <translation>Die Projektdatei wurde auf dem Datenträger geändert: Beim nächsten Speichern wird sie mit Ihren Änderungen zusammengeführt.</translation>
    </message>
    <message>
        <source>The project&apos;s file is no longer on disk.</source>
        <translation>Die Projektdatei ist nicht mehr auf dem Datenträger vorhanden.</translation>
    </message>
    <message>
        <source>Update from Disk</source>
        <translation>Aktualisierung vom Datenträger</translation>
    </message>
    <message>
        <source>Merged</source>
        <translation>Zusammengeführt</translation>
    </message>
    <message>
        <source>The project&apos;s file had changed on disk since Tarvo last read or saved it. Both versions are merged and saved:

</source>
        <translation>Die Projektdatei wurde auf dem Datenträger geändert, seit Tarvo sie zuletzt gelesen oder gespeichert hat. Beide Fassungen wurden zusammengeführt und gespeichert:

</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is merged into the open project:

</source>
        <translation>&quot;%1&quot; wurde mit dem geöffneten Projekt zusammengeführt:

</translation>
    </message>
    <message>
        <source>• It holds nothing that the open project lacks.</source>
        <translation>• Die Kopie enthält nichts, was dem geöffneten Projekt fehlt.</translation>
    </message>
    <message>
        <source>• Added in the other copy: %1.</source>
        <translation>• In der anderen Kopie hinzugefügt: %1.</translation>
    </message>
    <message>
        <source>• Changes from the other copy taken in: %1.</source>
        <translation>• Änderungen aus der anderen Kopie übernommen: %1.</translation>
    </message>
    <message>
        <source>• Taken from the other copy: %1.</source>
        <translation>• Aus der anderen Kopie übernommen: %1.</translation>
    </message>
    <message>
        <source>• Deleted in the other copy, so deleted here too: %1.</source>
        <translation>• In der anderen Kopie gelöscht, daher auch hier gelöscht: %1.</translation>
    </message>
    <message>
        <source>• Kept, because one copy deleted it and the other changed it: %1.</source>
        <translation>• Behalten, weil eine Kopie es gelöscht und die andere es geändert hat: %1.</translation>
    </message>
    <message>
        <source>• Lines changed in both copies, so both texts are kept (the other copy&apos;s lines end in “ (other copy)”): %1.</source>
        <translation>• Zeilen in beiden Kopien geändert, daher bleiben beide Texte erhalten (die Zeilen der anderen Kopie enden auf “ (other copy)”): %1.</translation>
    </message>
    <message>
        <source>the project&apos;s name</source>
        <translation>der Projektname</translation>
    </message>
    <message>
        <source>the start date</source>
        <translation>das Startdatum</translation>
    </message>
    <message>
        <source>the working week</source>
        <translation>die Arbeitswoche</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>der Name von %1</translation>
    </message>
    <message>
        <source>the due date of %1</source>
        <translation>das Fälligkeitsdatum von %1</translation>
    </message>
    <message>
        <source>none</source>
        <translatorcomment>Only used for an unset date (start date, due date) in the merge report.</translatorcomment>
        <translation>kein Datum</translation>
    </message>
    <message>
        <source>no working day</source>
        <translation>kein Arbeitstag</translation>
    </message>
    <message>
        <source>• Both copies changed %1: yours is kept; the other copy&apos;s is %2.</source>
        <translation>• In beiden Kopien wurde %1 geändert: Ihre Fassung bleibt erhalten; in der anderen Kopie steht %2.</translation>
    </message>
    <message>
        <source>• %1 found no free card: its name and tasks are on %2, under the line &quot;%3&quot;.</source>
        <translation>• %1 fand keine freie Karte: Name und Aufgaben stehen auf %2 unter der Zeile &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The project&apos;s file &quot;%1&quot; is no longer there: it was moved, renamed or deleted after Tarvo opened it. Tarvo does not make it again on its own. Choose where to save the project.</source>
        <translation>Die Projektdatei &quot;%1&quot; ist nicht mehr vorhanden: Sie wurde verschoben, umbenannt oder gelöscht, nachdem Tarvo sie geöffnet hat. Tarvo legt sie nicht von sich aus neu an. Wählen Sie, wo das Projekt gespeichert werden soll.</translation>
    </message>
    <message>
        <source>The project&apos;s file &quot;%1&quot; can no longer be read: %2

Tarvo does not write over what it cannot read. Choose where to save the project.</source>
        <translation>Die Projektdatei &quot;%1&quot; kann nicht mehr gelesen werden: %2

Tarvo überschreibt nichts, was es nicht lesen kann. Wählen Sie, wo das Projekt gespeichert werden soll.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>A copy of this project made by a sync tool was found: %1. Merge it in?</source>
        <translation>Es wurde eine Kopie dieses Projekts gefunden, die ein Synchronisierungsprogramm angelegt hat: %1. Soll sie mit dem Projekt zusammengeführt werden?</translation>
    </message>
    <message>
        <source>Copy Found</source>
        <translation>Kopie gefunden</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <source>Ends late</source>
        <translation>Endet zu spät</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>No tasks yet</source>
        <translation>Noch keine Aufgaben</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The plan could not be printed on &quot;%1&quot;: %2</source>
        <translation>Der Plan konnte nicht auf &quot;%1&quot; gedruckt werden: %2</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>it could not be opened.</source>
        <translation>das Öffnen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>a new page could not be started.</source>
        <translation>eine neue Seite konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>the pages could not be finished.</source>
        <translation>die Seiten konnten nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Timeline of the plan</source>
        <translation>Zeitleiste des Plans</translation>
    </message>
    <message>
        <source>Da&amp;ys</source>
        <translation>&amp;Tage</translation>
    </message>
    <message>
        <source>&amp;Weeks</source>
        <translation>&amp;Wochen</translation>
    </message>
    <message>
        <source>Ctrl+wheel over the timeline switches too</source>
        <translation>Strg+Mausrad über der Zeitleiste schaltet ebenfalls um</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <translation>MMM yyyy</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>1 working day</source>
        <translation>1 Arbeitstag</translation>
    </message>
    <message>
        <source>%1 working days</source>
        <translation>%1 Arbeitstage</translation>
    </message>
    <message>
        <source>There is no plan yet, so there is no timeline to export. Set the project&apos;s start under %1 &gt; %2, and every task gets its days.</source>
        <translation>Es gibt noch keinen Plan und damit keine Zeitleiste zum Exportieren. Legen Sie unter %1 &gt; %2 den Projektbeginn fest, dann erhält jede Aufgabe ihre Tage.</translation>
    </message>
    <message>
        <source>Export Timeline</source>
        <translation>Zeitleiste exportieren</translation>
    </message>
    <message>
        <source>PNG or SVG pictures (*.png *.svg)</source>
        <translation>PNG- oder SVG-Bilder (*.png *.svg)</translation>
    </message>
    <message>
        <source>timeline</source>
        <translatorcomment>Placed at the start of the sentence “… konnte nicht in … geschrieben werden”, hence the capitalised article.</translatorcomment>
        <translation>Die Zeitleiste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in neither .png nor .svg. Choose a name ending in .png for a picture, or in .svg for a drawing that scales.</source>
        <translation>&quot;%1&quot; endet weder auf .png noch auf .svg. Wählen Sie einen Namen mit der Endung .png für ein Bild oder .svg für eine skalierbare Zeichnung.</translation>
    </message>
    <message>
        <source>the picture could not be made.</source>
        <translation>das Bild konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>a picture of %1 × %2 pixels is too large; export it as .svg, or as a PDF with Export PDF.</source>
        <translation>ein Bild mit %1 × %2 Pixeln ist zu groß; exportieren Sie es als .svg oder mit „PDF exportieren“ als PDF.</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projekt</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
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
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <source>Tarvo cannot start: it cannot write in the folder &quot;%1&quot;, where it keeps the open project&apos;s tasks. Make that folder writable, or run Tarvo from a folder you can write to.</source>
        <translation>Tarvo kann nicht starten: Es kann nicht in den Ordner &quot;%1&quot; schreiben, in dem es die Aufgaben des geöffneten Projekts ablegt. Machen Sie diesen Ordner beschreibbar oder starten Sie Tarvo aus einem Ordner, in den Sie schreiben können.</translation>
    </message>
    <message>
        <source>Tarvo cannot tell whether another Tarvo uses the folder &quot;%1&quot;: its lock file &quot;%2&quot; cannot be read. If no Tarvo is running from this folder, delete that file and start Tarvo again.</source>
        <translation>Tarvo kann nicht feststellen, ob ein anderes Tarvo den Ordner &quot;%1&quot; verwendet: Die Sperrdatei &quot;%2&quot; kann nicht gelesen werden. Wenn kein Tarvo aus diesem Ordner läuft, löschen Sie diese Datei und starten Sie Tarvo erneut.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is in use by Tarvo on the computer &quot;%2&quot;. If Tarvo is not running there any more, delete the lock file &quot;%3&quot; and start Tarvo again.</source>
        <translation>Der Ordner &quot;%1&quot; wird von Tarvo auf dem Computer &quot;%2&quot; verwendet. Wenn Tarvo dort nicht mehr läuft, löschen Sie die Sperrdatei &quot;%3&quot; und starten Sie Tarvo erneut.</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>All Day Event</source>
        <translation>Ganztägig</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>Plan &amp;drucken...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Timeline...</source>
        <translation>Zeitleiste &amp;exportieren...</translation>
    </message>
    <message>
        <source>Pl&amp;an</source>
        <translation>P&amp;lan</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Zeitplan</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Select a Project to Open:</source>
        <translation>Zu öffnendes Projekt auswählen:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Name your project file:</source>
        <translation>Name der Projektdatei:</translation>
    </message>
    <message>
        <source>Please don&apos;t use spaces or special characters.</source>
        <translation>Bitte keine Leerzeichen oder Sonderzeichen verwenden.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>A planner for one project at a time</source>
        <translation>Ein Planer für jeweils ein Projekt</translation>
    </message>
    <message>
        <source>Please Wait ...</source>
        <translation>Bitte warten ...</translation>
    </message>
</context>
<context>
    <name>frmTips</name>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Tips:</source>
        <translation>Tipps:</translation>
    </message>
    <message>
        <source>You can set the duration of each task by adding a &quot;+ X days&quot;  of it.</source>
        <translation>Die Dauer einer Aufgabe legen Sie fest, indem Sie am Zeilenende &quot;+ X days&quot; anfügen (die Einheit wird englisch geschrieben: days oder weeks).</translation>
    </message>
    <message>
        <source>Example: </source>
        <translation>Beispiel: </translation>
    </message>
    <message>
        <source> Do This + 7 Days</source>
        <translation> Dies erledigen + 7 Days</translation>
    </message>
    <message>
        <source>or </source>
        <translation>oder </translation>
    </message>
    <message>
        <source> Do This + 7</source>
        <translation> Dies erledigen + 7</translation>
    </message>
    <message>
        <source>This will set the duration of the task to 7 days.</source>
        <translation>Damit dauert die Aufgabe 7 Tage.</translation>
    </message>
    <message>
        <source>In the &quot;Pro&quot; version, you can create parallel tasks (tasks that begin on the same date). To make a parallel task simply add // at the beginning of it and it and it will inherit the start date of the previous task.</source>
        <translation>In der &quot;Pro&quot;-Version lassen sich parallele Aufgaben anlegen (Aufgaben, die am selben Tag beginnen). Dazu einfach // an den Anfang der Aufgabe setzen: Sie übernimmt dann das Startdatum der vorherigen Aufgabe.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
