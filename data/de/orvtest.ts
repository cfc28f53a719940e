<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ChooserDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2; change from the first to the last: %3.</source>
        <translation>%1: %2; Veränderung vom ersten zum letzten: %3.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Vergleichsdiagramm</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file could not be opened.

%1

%2</source>
        <translation>Die Hilfedatei konnte nicht geöffnet werden.

%1

%2</translation>
    </message>
    <message>
        <source>The help file is not UTF-8 text.

%1: line %2</source>
        <translation>Die Hilfedatei ist kein UTF-8-Text.

%1: Zeile %2</translation>
    </message>
    <message>
        <source>Orvane Personality Test Help</source>
        <translation>Hilfe zum Orvane Persönlichkeitstest</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The words of the evaluation in this language are faulty; the evaluation uses English words.
%1: line %2: %3</source>
        <translation>Die Wörter der Auswertung in dieser Sprache sind fehlerhaft; die Auswertung verwendet stattdessen englische Wörter.
%1: Zeile %2: %3</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Orvane Personality Test</source>
        <translation>Orvane Persönlichkeitstest</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>Make a choice before pressing Process</source>
        <translation>Wählen Sie eine Antwort aus, bevor Sie auf „Weiter“ klicken</translation>
    </message>
    <message>
        <source>E01: Invalid Database File</source>
        <translation>E01: Ungültige Datenbankdatei</translation>
    </message>
    <message>
        <source>E01A: Invalid Database Contents.</source>
        <translation>E01A: Ungültiger Datenbankinhalt.</translation>
    </message>
    <message>
        <source>E02B: Invalid Database Contents.</source>
        <translation>E02B: Ungültiger Datenbankinhalt.</translation>
    </message>
    <message>
        <source>E02: Invalid Database Contents</source>
        <translation>E02: Ungültiger Datenbankinhalt</translation>
    </message>
    <message>
        <source>E03: Invalid Database Contents</source>
        <translation>E03: Ungültiger Datenbankinhalt</translation>
    </message>
    <message>
        <source>E03B: Invalid Database Contents.</source>
        <translation>E03B: Ungültiger Datenbankinhalt.</translation>
    </message>
    <message>
        <source>E04: Invalid Database Text.</source>
        <translation>E04: Ungültiger Datenbanktext.</translation>
    </message>
    <message>
        <source>No file was selected OR invalid file name was input.</source>
        <translation>Es wurde keine Datei ausgewählt oder ein ungültiger Dateiname eingegeben.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>There are no previously saved files.</source>
        <translation>Es gibt keine zuvor gespeicherten Dateien.</translation>
    </message>
    <message>
        <source>No file was selected.</source>
        <translation>Es wurde keine Datei ausgewählt.</translation>
    </message>
    <message>
        <source>File could not be opened.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>End of file during Load</source>
        <translation>Unerwartetes Dateiende beim Laden</translation>
    </message>
    <message>
        <source>Would you like to save your responses?</source>
        <translation>Möchten Sie Ihre Antworten speichern?</translation>
    </message>
    <message>
        <source>Save responses?</source>
        <translation>Antworten speichern?</translation>
    </message>
    <message>
        <source>Select a test before pressing START</source>
        <translation>Wählen Sie einen Test aus, bevor Sie auf „Start“ klicken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>These two results are of different tests, whose scales differ, so they can&apos;t be compared.</source>
        <translation>Diese beiden Ergebnisse stammen aus verschiedenen Tests mit unterschiedlichen Skalen und können daher nicht verglichen werden.</translation>
    </message>
    <message>
        <source>No printer is available. The evaluation was not printed.</source>
        <translation>Es ist kein Drucker verfügbar. Die Auswertung wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The evaluation could not be printed.</source>
        <translation>Die Auswertung konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>This result could not be kept. Its evaluation is shown and can still be printed or saved as PDF.</source>
        <translation>Dieses Ergebnis konnte nicht gespeichert werden. Die Auswertung wird angezeigt und kann weiterhin gedruckt oder als PDF gespeichert werden.</translation>
    </message>
    <message>
        <source>No printer is available. The profile was not printed.</source>
        <translation>Es ist kein Drucker verfügbar. Das Profil wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The profile could not be printed.</source>
        <translation>Das Profil konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The result could not be deleted.</source>
        <translation>Das Ergebnis konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The PDF file could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>Die PDF-Datei konnte nicht gespeichert werden. Es wurde nichts geschrieben; bitte wählen Sie einen anderen Ordner oder Namen.</translation>
    </message>
    <message>
        <source>This result has been kept on this computer, in %1, so that it can be shown and compared later. To stop keeping results, switch off &quot;Keep results&quot; in the Results menu of the main window.</source>
        <translation>Dieses Ergebnis wurde auf diesem Computer gespeichert, in %1, damit es später angezeigt und verglichen werden kann. Wenn Sie keine Ergebnisse mehr speichern möchten, schalten Sie im Hauptfenster im Menü „Ergebnisse“ den Eintrag „Ergebnisse speichern“ aus.</translation>
    </message>
    <message>
        <source>The copy could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>Die Kopie konnte nicht gespeichert werden. Es wurde nichts geschrieben; bitte wählen Sie einen anderen Ordner oder Namen.</translation>
    </message>
    <message>
        <source>The CSV file could not be saved. Nothing was written; please choose another folder or name.</source>
        <translation>Die CSV-Datei konnte nicht gespeichert werden. Es wurde nichts geschrieben; bitte wählen Sie einen anderen Ordner oder Namen.</translation>
    </message>
    <message>
        <source>Save a copy</source>
        <translation>Kopie speichern</translation>
    </message>
    <message>
        <source>Results (*.result)</source>
        <translation>Ergebnisse (*.result)</translation>
    </message>
    <message>
        <source>Export all as CSV</source>
        <translation>Alle als CSV exportieren</translation>
    </message>
    <message>
        <source>kept-results.csv</source>
        <translation>gespeicherte-ergebnisse.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The copy could not be kept. The list is as it was.</source>
        <translation>Die Kopie konnte nicht behalten werden. Die Liste ist unverändert.</translation>
    </message>
    <message>
        <source>Open a result file</source>
        <translation>Ergebnisdatei öffnen</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>no name</source>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>Result of %1</source>
        <translation>Ergebnis von %1</translation>
    </message>
    <message>
        <source>Earlier result (paler bars): %1. Later result: %2.</source>
        <translation>Früheres Ergebnis (blassere Balken): %1. Späteres Ergebnis: %2.</translation>
    </message>
</context>
<context>
    <name>ProfileChart</name>
    <message>
        <source>Profile chart</source>
        <translation>Profildiagramm</translation>
    </message>
</context>
<context>
    <name>ScaleMeaningPane</name>
    <message>
        <source>Some explanations of the results in this language could not be read from its help; they are shown in English.</source>
        <translation>Einige Erklärungen der Ergebnisse in dieser Sprache konnten nicht aus ihrer Hilfe gelesen werden; sie werden auf Englisch angezeigt.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orvane Software banner</source>
        <translation>Banner von Orvane Software</translation>
    </message>
    <message>
        <source>Orvane Personality Tests</source>
        <translation>Orvane Persönlichkeitstests</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Porträt des Autors</translation>
    </message>
    <message>
        <source>Written by the Orvane design team</source>
        <translation>Geschrieben vom Orvane-Designteam</translation>
    </message>
</context>
<context>
    <name>frmComparison</name>
    <message>
        <source>Compared figures</source>
        <translation>Verglichene Werte</translation>
    </message>
    <message>
        <source>Comparison - %1</source>
        <translation>Vergleich - %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmEval</name>
    <message>
        <source>Personality Evaluation</source>
        <translation>Persönlichkeitsauswertung</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>&amp;What does this mean?</source>
        <translation>&amp;Was bedeutet das?</translation>
    </message>
    <message>
        <source>What does this mean?</source>
        <translation>Was bedeutet das?</translation>
    </message>
    <message>
        <source>Opens the help at what the verdicts mean</source>
        <translation>Öffnet die Hilfe bei der Bedeutung der Ergebnisse</translation>
    </message>
    <message>
        <source>%1 - This result is kept</source>
        <translation>%1 - Dieses Ergebnis ist gespeichert</translation>
    </message>
    <message>
        <source>%1 - This result is not kept</source>
        <translation>%1 - Dieses Ergebnis ist nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>frmInstr</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on &quot;Introduction to Personality Analysis&quot; to learn how personality attributes can influence realtionships.</source>
        <translation>Klicken Sie auf „Einführung in die Persönlichkeitsanalyse“, um zu erfahren, wie Persönlichkeitseigenschaften Beziehungen beeinflussen können.</translation>
    </message>
    <message>
        <source>This program determines your personality attributes by asking questions about your feelings and beliefs.  An evaluation is provided at the end of each test.  Analysis of the results can give you insights about how other persons perceive you and your actions. </source>
        <translation>Dieses Programm ermittelt Ihre Persönlichkeitseigenschaften, indem es Ihnen Fragen zu Ihren Gefühlen und Überzeugungen stellt.  Am Ende jedes Tests erhalten Sie eine Auswertung.  Die Analyse der Ergebnisse kann Ihnen Einblicke darin geben, wie andere Menschen Sie und Ihr Handeln wahrnehmen. </translation>
    </message>
</context>
<context>
    <name>frmLoad</name>
    <message>
        <source>Select a file to load</source>
        <translation>Datei zum Laden auswählen</translation>
    </message>
    <message>
        <source>Select a File:</source>
        <translation>Datei auswählen:</translation>
    </message>
</context>
<context>
    <name>frmProfile</name>
    <message>
        <source>Profile figures</source>
        <translation>Profilwerte</translation>
    </message>
    <message>
        <source>Profile - %1</source>
        <translation>Profil - %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Strongest first</source>
        <translation>&amp;Stärkste zuerst</translation>
    </message>
    <message>
        <source>What the scale in focus means</source>
        <translation>Was die ausgewählte Skala bedeutet</translation>
    </message>
    <message>
        <source>Keep a copy</source>
        <translation>Kopie behalten</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Behalten</translation>
    </message>
</context>
<context>
    <name>frmResults</name>
    <message>
        <source>%1 (not a readable result)</source>
        <translation>%1 (kein lesbares Ergebnis)</translation>
    </message>
    <message>
        <source>Kept Results - %1</source>
        <translation>Gespeicherte Ergebnisse - %1</translation>
    </message>
    <message>
        <source>Kept results</source>
        <translation>Gespeicherte Ergebnisse</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No results have been kept yet. A result is kept each time a test ends.</source>
        <translation>Es wurden noch keine Ergebnisse gespeichert. Am Ende jedes Tests wird sein Ergebnis gespeichert.</translation>
    </message>
    <message>
        <source>Kept results, newest first:</source>
        <translation>Gespeicherte Ergebnisse, neueste zuerst:</translation>
    </message>
    <message>
        <source>%1 is not a readable result. It is left as it is.</source>
        <translation>%1 ist kein lesbares Ergebnis. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Delete the result of the %1 that ended %2? Its file is removed for good.</source>
        <translation>Das Ergebnis des Tests „%1“ vom %2 löschen? Die zugehörige Datei wird endgültig entfernt.</translation>
    </message>
    <message>
        <source>Save a copy…</source>
        <translation>Kopie speichern…</translation>
    </message>
    <message>
        <source>Export all as CSV…</source>
        <translation>Alle als CSV exportieren…</translation>
    </message>
    <message>
        <source>Delete all kept results…</source>
        <translation>Alle gespeicherten Ergebnisse löschen…</translation>
    </message>
    <message>
        <source>Open a result file…</source>
        <translation>Ergebnisdatei öffnen…</translation>
    </message>
    <message>
        <source>No results are kept: &quot;Keep results&quot; is switched off in the Results menu of the main window.</source>
        <translation>Es werden keine Ergebnisse gespeichert: „Ergebnisse speichern“ ist im Menü „Ergebnisse“ des Hauptfensters ausgeschaltet.</translation>
    </message>
    <message>
        <source>The folder of the kept results also holds files that are not results: %1. They are left as they are.</source>
        <translation>Der Ordner der gespeicherten Ergebnisse enthält auch Dateien, die keine Ergebnisse sind: %1. Sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Delete the one kept result? Its file is removed for good.</source>
        <translation>Das eine gespeicherte Ergebnis löschen? Seine Datei wird endgültig entfernt.</translation>
    </message>
    <message>
        <source>Delete all %1 kept results? Their files are removed for good.</source>
        <translation>Alle %1 gespeicherten Ergebnisse löschen? Ihre Dateien werden endgültig entfernt.</translation>
    </message>
    <message>
        <source>Kept results deleted: %1. These files could not be removed: %2.</source>
        <translation>Gelöschte Ergebnisse: %1. Diese Dateien konnten nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>Name…</source>
        <translation>Name…</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Whose result is this? A name such as &quot;Me&quot;, &quot;Anna&quot; or a pseudonym, or nothing for none:</source>
        <translation>Wessen Ergebnis ist das? Ein Name wie „Ich“, „Anna“ oder ein Pseudonym, oder nichts für keinen Namen:</translation>
    </message>
    <message>
        <source>A name has at most %1 characters and no line breaks or tabs. The result was not changed.</source>
        <translation>Ein Name hat höchstens %1 Zeichen und keine Zeilenumbrüche oder Tabulatoren. Das Ergebnis wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The result could not be named. It was not changed.</source>
        <translation>Dem Ergebnis konnte kein Name gegeben werden. Es wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Select a result to show or delete it, or two to six results of one test to compare them.</source>
        <translation>Wählen Sie ein Ergebnis aus, um es anzuzeigen oder zu löschen, oder zwei bis sechs Ergebnisse desselben Tests, um sie zu vergleichen.</translation>
    </message>
    <message>
        <source>These results are of different tests, whose scales differ, so they can&apos;t be compared.</source>
        <translation>Diese Ergebnisse stammen aus verschiedenen Tests mit unterschiedlichen Skalen und können daher nicht verglichen werden.</translation>
    </message>
    <message>
        <source>At most six results can be compared at once.</source>
        <translation>Es lassen sich höchstens sechs Ergebnisse auf einmal vergleichen.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Select a file name for Saving Results</source>
        <translation>Dateinamen zum Speichern der Antworten auswählen</translation>
    </message>
    <message>
        <source>Select or Type a File Name:</source>
        <translation>Dateinamen auswählen oder eingeben:</translation>
    </message>
</context>
<context>
    <name>frmTest</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Goes back to the question answered last, to change its answer</source>
        <translation>Kehrt zur zuletzt beantworteten Frage zurück, um deren Antwort zu ändern</translation>
    </message>
    <message>
        <source>Back to the question answered last (Alt+Left)</source>
        <translation>Zur zuletzt beantworteten Frage zurück (Alt+Pfeil links)</translation>
    </message>
    <message>
        <source>I disagree</source>
        <translation>Ich stimme nicht zu</translation>
    </message>
    <message>
        <source>I moderately agree</source>
        <translation>Ich stimme eher zu</translation>
    </message>
    <message>
        <source>I strongly agree</source>
        <translation>Ich stimme voll zu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The status lines, then the question. A status line that ends in a colon and its number reads better with another mark before the question.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Questions remaining %1</source>
        <translation>Verbleibende Fragen: %1</translation>
    </message>
    <message>
        <source>Question No. %1</source>
        <translation>Frage Nr. %1</translation>
    </message>
    <message>
        <source>Total Questions: %1</source>
        <translation>Fragen insgesamt: %1</translation>
    </message>
</context>
<context>
    <name>frmTestMain</name>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Introduction to Personality Analysis</source>
        <translation>Einführung in die Persönlichkeitsanalyse</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Test of Interpersonal and Social Attributes</source>
        <translation>Test der zwischenmenschlichen und sozialen Eigenschaften</translation>
    </message>
    <message>
        <source>Test of Individual Attributes</source>
        <translation>Test der individuellen Eigenschaften</translation>
    </message>
    <message>
        <source>Select a Test and press START</source>
        <translation>Wählen Sie einen Test aus und klicken Sie auf „Start“</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>The choice of language could not be saved.</source>
        <translation>Die Sprachauswahl konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>From the next start the program will use: %1.</source>
        <translation>Ab dem nächsten Start verwendet das Programm: %1.</translation>
    </message>
    <message>
        <source>&amp;Kept Results…</source>
        <translation>&amp;Gespeicherte Ergebnisse…</translation>
    </message>
    <message>
        <source>Keep &amp;results</source>
        <translation>Ergebnisse &amp;speichern</translation>
    </message>
    <message>
        <source>The choice could not be saved.</source>
        <translation>Die Auswahl konnte nicht gespeichert werden.</translation>
    </message>
</context>
</TS>
