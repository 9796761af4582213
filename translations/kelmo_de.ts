<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation>Keine gültige Gebetszeit berechenbar!</translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation>Die Konfigurationsdatei lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation>Die Konfigurationsdatei ist leer!</translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation>Die Konfigurationsdatei ist beschädigt!</translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation>Der Standardort fehlt in der Konfigurationsdatei!</translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation>Die Konfigurationsdatei lässt sich nicht anlegen!</translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation>In die Konfigurationsdatei lässt sich nicht schreiben!</translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation>Die Konfigurationsdatei lässt sich nicht zum Schreiben öffnen!</translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation>Ungültige Kombination von Fiqh und Gebeten für die Tonwiedergabe!</translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation>Kein Tonwiedergabeprogramm gefunden!</translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation>Die Tondatei lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation>Die Tondatei lässt sich nicht öffnen (Ton vor dem Gebet)!</translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation>Für die Tonwiedergabe ist kein Gebet gewählt!</translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation>Der Pfad des aktuellen Ordners ist nicht ermittelbar!</translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation>Die Windows-Registrierung lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation>Die Windows-Registrierung lässt sich nicht ändern!</translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation>Die temporäre Datei lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation>Die Konfigurationsdatei ist zu groß!</translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation>Die Zeitzone des Ortes ist nicht lesbar!</translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation>Bitte einen Ortsnamen eingeben!</translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation>Falscher Wert der Breite!</translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation>Falscher Wert der Länge!</translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation>Falscher Wert der Zeitzone!</translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation>Falsches Anfangsdatum der Sommerzeit!</translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation>Falsches Enddatum der Sommerzeit!</translation>
    </message>
    <message>
        <source>Incorrect Fajr angle!</source>
        <translation>Falscher Fajr-Winkel!</translation>
    </message>
    <message>
        <source>Incorrect Imsak angle!</source>
        <translation>Falscher Imsak-Winkel!</translation>
    </message>
    <message>
        <source>Invalid date is chosen!</source>
        <translation>Das gewählte Datum ist ungültig!</translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation>Das gewählte Datum lässt sich nicht umrechnen!</translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation>Datum außerhalb des Umm-al-Qura-Kalenders (1300-1600 n. H.)!</translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation>Die Ausgabedatei lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation>In die Ausgabedatei lässt sich nicht schreiben!</translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation>Die Ausgabedatei lässt sich nicht anzeigen!</translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation>Die Tonwiedergabe lässt sich nicht starten!</translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation>Die Tonwiedergabe lässt sich nicht beenden!</translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation>KelmoTimes lässt sich nicht starten!</translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation>Die Befehlszeile ist nicht lesbar!</translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation>Das Fenster des Melders lässt sich nicht minimieren!</translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation>Die Qibla-Angaben sind nicht lesbar!</translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation>Kelmo-Timer oder Kelmo-Melder läuft bereits!</translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation>Der Prozess von Timer und Melder lässt sich nicht aktualisieren!</translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation>Der Status lässt sich nicht anzeigen!</translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation>Die Qibla-Richtung ist nicht berechenbar!</translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation>Eine neue Konfigurationsdatei anlegen?</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Unbekannter Fehler!</translation>
    </message>
</context>
<context>
    <name>kelmo::platform::MessageDialog</name>
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
    <name>kelmo::ui::Athan</name>
    <message>
        <source>It is time for %1 prayer</source>
        <translation>Es ist Zeit für das %1-Gebet</translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation>Das %1-Gebet hat um %2 begonnen</translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation>Dieses Gebet begann vor %1 Min.</translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation>Dieses Gebet begann vor %1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Today is %1,</source>
        <translation>Heute ist %1,</translation>
    </message>
    <message>
        <source>%1/%2/%3 AD</source>
        <translation>%1/%2/%3 n. Chr.</translation>
    </message>
    <message>
        <source>%1/%2/%3 AH</source>
        <translation>%1/%2/%3 n. H.</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::BackgroundMode</name>
    <message>
        <source>Kelmo Timer not started: </source>
        <translation>Kelmo-Timer nicht gestartet: </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation>Über KelmoTimes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoDlg</name>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation>Klicken, um das gewünschte Datum festzulegen</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation>Klicken, um einen Ort zu wählen oder die Ortsliste zu bearbeiten</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Press to manipulate configuration parameters</source>
        <translation>Klicken, um die Einstellungen zu ändern</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Gebet</translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation>Klicken, um die Gebetszeiten zu berechnen</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation>Klicken, um die Monddaten und den Beginn des islamischen Monats zu berechnen</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Qibla</translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation>Klicken, um die Qibla-Richtung und die Entfernung nach Mekka zu berechnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Press to view the online help</source>
        <translation>Klicken, um die Hilfe anzuzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Press to terminate the program</source>
        <translation>Klicken, um das Programm zu beenden</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation>Gebets&amp;diagramm...</translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation>Ü&amp;ber KelmoTimes</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoFrm</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>KelmoTimes starten</translation>
    </message>
    <message>
        <source>Terminate Timer</source>
        <translation>Timer beenden</translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation>Timer und Melder beenden</translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation>%1 (nächstes)</translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation>KelmoTimes: kein Gebet geplant</translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation>Nächstes Gebet: %1 um %2
Verbleibend: %3
in %4</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Kelmo Timer is active 
%1 prayer starts at %2 
in %3</source>
        <translation>Kelmo-Timer ist aktiv 
Das %1-Gebet beginnt um %2 
in %3</translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation>Kelmo.cfg ist nicht lesbar; der Timer läuft mit seinen letzten gültigen Einstellungen weiter.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation>n Minuten für Fajr- und Isha-Gebet</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>Fiqh</translation>
    </message>
    <message>
        <source>Imsak angle</source>
        <translation>Imsak-Winkel</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation>Fajr-Winkel</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Isha-Winkel</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation>Regel für hohe Breiten</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation>Islamischen Kalender verschieben um</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation>Gebetszeiten korrigieren um</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation>Sichtbarkeitsgrenze des Mondes</translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation>Zu Maghrib addieren</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Distance from center</source>
        <translation>Abstand vom Zentrum</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Sound and Notifier</source>
        <translation>Ton und Melder</translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation>Melder aktivieren</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>sound file</source>
        <translation>Tondatei</translation>
    </message>
    <message>
        <source>at</source>
        <translation>bei</translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation>Minuten vor der Gebetszeit</translation>
    </message>
    <message>
        <source>Open month and year reports with</source>
        <translation>Monats- und Jahresberichte öffnen mit</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the applied Fiqh from list</source>
        <translation>Die angewandte Fiqh aus der Liste wählen</translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation>Grad des Imsak-Winkels eingeben (-20 bis -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation>Minuten des Imsak-Winkels eingeben (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation>Grad des Fajr-Winkels eingeben (vom Wert des Imsak-/Isha-Winkels bis -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation>Minuten des Fajr-Winkels eingeben (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation>Grad des Isha-Winkels eingeben (-20 bis -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation>Minuten des Isha-Winkels eingeben (0-59)</translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation>Minuten eingeben, die zur Maghrib-Zeit addiert werden</translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation>In der Liste wählen, ob das Ergebnis in Minuten oder Sekunden erscheint. Die Berechnung bleibt davon unberührt</translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation>In der Liste die Regel für hohe Breiten wählen. Sie liefert Ersatzzeiten, wenn die gewöhnlichen Gebetszeiten nicht berechenbar sind</translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation>Radius des zu berechnenden Gebiets in Kilometern eingeben (0-100)</translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation>Korrektursekunden eingeben: Sie werden zu den Gebetszeiten addiert oder von ihnen abgezogen, um mögliche Rechenfehler auszugleichen</translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation>Sichtbarkeitsgrenze in Grad eingeben (0-20)</translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation>Sichtbarkeitsgrenze in Minuten eingeben (0-59)</translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation>Tage eingeben, um die julianisch-gregorianische gegen die islamische Zählung zu verschieben (0-3 Tage)</translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation>Ankreuzen, um den Melder zu aktivieren</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation>Ankreuzen, damit der Rechner zur Gebetszeit eine WAV-Tondatei abspielt</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation>Ankreuzen, damit der Rechner einige Minuten vor der Gebetszeit eine WAV-Tondatei abspielt</translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation>Hier klicken, um die Tondatei zu wählen</translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation>Namen der abzuspielenden Tondatei mit vollständigem Pfad eingeben</translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation>bei jedem Gebet ankreuzen, zu dessen Zeit der Rechner die Tondatei abspielen soll</translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation>Wie viele Minuten vor der Gebetszeit die Tondatei abgespielt wird</translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation>Das Programm wählen, das die Monats- und Jahresberichte (Kelmo.out) öffnet, oder seinen Namen eingeben; der Standard der Arbeitsumgebung öffnet sie wie jede Textdatei</translation>
    </message>
    <message>
        <source>Press here to select the program</source>
        <translation>Hier klicken, um das Programm zu wählen</translation>
    </message>
    <message>
        <source>Press to cancel the changes.</source>
        <translation>Klicken, um die Änderungen zu verwerfen.</translation>
    </message>
    <message>
        <source>Press to confirm the changes.</source>
        <translation>Klicken, um die Änderungen zu übernehmen.</translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation>Der Autostart-Ordner von %1 lässt sich nicht ändern!	</translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation>Der Autostart-Eintrag %1 lässt sich nicht schreiben oder entfernen!	</translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation>Standard der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation>Die Sprache der Fenster wählen; System folgt der Sprache der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation>KelmoTimes spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartPicture</name>
    <message>
        <source>supplied by the rule &quot;%1&quot;</source>
        <translation>ergänzt durch die Regel „%1“</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>first day of a Hijri month (crescent at the place)</source>
        <translation>erster Tag eines Hidschra-Monats (Mondsichel am Ort)</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation>Gebetsdiagramm für %1</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Als &amp;PNG speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Als &amp;SVG speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Bitte höchstens %1 Zeichen eingeben.</translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation>Bitte keine Steuerzeichen eingeben (etwa Zeilenende, Tabulator oder Esc).</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DateDlg</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type of calculation</source>
        <translation>Art der Berechnung</translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation>Für einen Tag</translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation>Für einen Monat</translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation>Für ein Jahr</translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation>Art des Datums</translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation>Julianisch-gregorianisch</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hidschri</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation>Eine der Optionen wählen, um für einen Tag, einen Monat oder ein Jahr zu berechnen</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation>Eine der Optionen wählen, um die Art des Datums festzulegen (julianisch/gregorianisch oder islamisch)</translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation>Den gewünschten Tag eingeben</translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation>Den gewünschten Monat wählen</translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation>Das gewünschte Jahr eingeben (islamisch von 1 bis 6000, julianisch/gregorianisch von -2000 bis 6000)</translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation>Klicken, um die Änderungen zu verwerfen</translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation>Klicken, um die Änderungen zu übernehmen</translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation>Klicken, um das gewählte Datum umzurechnen</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation>Das gewählte Datum entspricht %1, %2/%3/%4 n. Chr.</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation>Das gewählte Datum entspricht %1, %2/%3/%4 n. H.</translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation>Das gewählte Datum liegt vor der Hidschra             </translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation>Das gewählte Datum liegt außerhalb des Umm-al-Qura-Kalenders (1300 bis 1600 n. H.)</translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation>Kein gültiges Hidschri-Datum berechenbar               </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation>Den Ort wählen, dessen Gebetszeiten Sie wünschen, und Ihre Rechtsschule. Die Schaltflächen Ort und Einstellungen im Hauptfenster ändern sie später.</translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation>Willkommen bei KelmoTimes</translation>
    </message>
    <message>
        <source>School of law</source>
        <translation>Rechtsschule</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Berechnungsmethode</translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation>Ein Ort der Liste</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>A new place</source>
        <translation>Ein neuer Ort</translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation>Stadt,Land</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation>Breite (Nord +)</translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation>Länge (Ost +)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation>Bitte den Namen des neuen Ortes eingeben.</translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation>Dieser Ort steht in der Liste: bitte dort wählen.</translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation>Bitte eine Zeitzone der Liste wählen.</translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation>Bitte einen Ort der Liste wählen.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::HelpWindow</name>
    <message>
        <source>KelmoTimes Help</source>
        <translation>KelmoTimes-Hilfe</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe lässt sich nicht anzeigen.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::LocDlg</name>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>Vierter</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a week of the month and a weekday</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>DST Available</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>DST Start date</source>
        <translation>Beginn der Sommerzeit</translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation>Ende der Sommerzeit</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>SelectPlace</source>
        <translation>OrtWählen</translation>
    </message>
    <message>
        <source>SelectHome</source>
        <translation>HeimatWählen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation>Den Namen des Ortes eingeben</translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation>Breite in Grad eingeben (0-90)</translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation>Breite in Minuten eingeben (0-59)</translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation>Breite in Sekunden eingeben (0-59). Null, wenn nicht benötigt</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation>Eine der Optionen wählen, um die Richtung der Breite festzulegen (Nord oder Süd)</translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation>Länge in Grad eingeben (0-180)</translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation>Länge in Minuten eingeben (0-59)</translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation>Länge in Sekunden eingeben (0-59). Null, wenn nicht benötigt</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation>Eine der Optionen wählen, um die Richtung der Länge festzulegen (Ost oder West)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation>Eine der Optionen wählen, um das Vorzeichen der Zeitzone festzulegen: + für Orte östlich von Greenwich, - für Orte westlich davon</translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation>Stunden der Zeitzone eingeben (0-24)</translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation>Minuten der Zeitzone eingeben (0-59)</translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation>Höhe des Ortes in Metern eingeben (-999 bis 9999)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation>Eine der Optionen wählen, um anzugeben, ob Sommerzeit gilt oder nicht</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation>In der Liste den Tag wählen, an dem die Sommerzeit beginnt</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation>In der Liste den Monat wählen, in dem die Sommerzeit beginnt</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation>In der Liste den Tag wählen, an dem die Sommerzeit endet</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation>In der Liste den Monat wählen, in dem die Sommerzeit endet</translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation>Klicken, um den Ort in die Liste aufzunehmen</translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation>Klicken, um den Ort aus der Liste zu entfernen</translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation>Klicken, um die Daten des Ortes zu ändern. Der Name eines Ortes lässt sich NICHT ändern: den Ort entfernen und neu hinzufügen</translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation>Klicken, um den gewählten Ort dauerhaft zum Standardort zu machen</translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation>Klicken, um den gewählten Ort für diese Sitzung zum Standardort zu machen (beim nächsten Start von KelmoTimes gilt wieder der Heimatort)</translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation>Klicken, um das Ortsfenster zu schließen</translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation>Die Zeitzone des Ortes wählen (Tippen sucht), um Uhrzeit und Sommerzeit aus der Zeitzonendatenbank des Systems zu übernehmen, oder keine</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation>Es lassen sich keine weiteren Orte hinzufügen!	
</translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation>Der Ort steht bereits in der Liste!	
</translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation>Der Ort steht nicht in der Liste!	
</translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation>Vor dem Entfernen dieses Ortes einen anderen Heimatort wählen!	
</translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation>Bitte einen Ortsnamen eingeben!	
</translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation>Bitte eine Zeitzone der Liste wählen, oder keine!	
</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation>Berechnungsmethode</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>Hidschri-Kalender</translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation>Die Stelle wählen, deren Methode Ihre Moschee folgt; Benutzerdefiniert behält Ihre Winkel</translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation>Den Kalender der Hidschri-Daten wählen: die am Ort gesehene Mondsichel, den amtlichen Umm-al-Qura-Kalender (1300 bis 1600 n. H.) oder den tabellarischen</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation>Das %1-Gebet beginnt um %2</translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation>Klicken, um ein Menü zu öffnen.</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>KelmoTimes starten</translation>
    </message>
    <message>
        <source>Close Notifier</source>
        <translation>Melder schließen</translation>
    </message>
    <message>
        <source>Close Notifier and Timer</source>
        <translation>Melder und Timer schließen</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Qibla</translation>
    </message>
    <message>
        <source>Qibla determination method</source>
        <translation>Methode der Qibla-Bestimmung</translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation>Ab geografischem Nord</translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation>Ab magnetischem Nord</translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation>Ab dem Sonnenschatten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Qibla for %1</source>
        <translation>Qibla für %1</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Geographic North</source>
        <translation>Wählen, um die Qibla-Richtung im Uhrzeigersinn ab geografischem Nord zu berechnen</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation>Wählen, um die Qibla-Richtung im Uhrzeigersinn ab magnetischem Nord zu berechnen</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation>Wählen, um die Qibla-Richtung im Uhrzeigersinn ab der Richtung des Sonnenschattens zu berechnen</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::TodayPanel</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>%1 tomorrow in %2</source>
        <translation>%1 morgen in %2</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1, %2. %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <comment>day, Hijri month, Hijri year</comment>
        <translation>%1. %2 %3 n. H.</translation>
    </message>
</context>
</TS>
