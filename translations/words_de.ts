<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Prayer</name>
    <message>
        <source>Imsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Schuruq</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Mittag</translation>
    </message>
    <message>
        <source>Duhr</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Ischa</translation>
    </message>
</context>
<context>
    <name>HijriMonth</name>
    <message>
        <source>Muharram</source>
        <translation>Muharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi'I</source>
        <translation>Rabi' al-awwal</translation>
    </message>
    <message>
        <source>Rabi'II</source>
        <translation>Rabi' ath-thani</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Dschumada l-ula</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Dschumada th-thaniya</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Radschab</translation>
    </message>
    <message>
        <source>Sha'ban</source>
        <translation>Scha'ban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Schawwal</translation>
    </message>
    <message>
        <source>Thu Al-Qa'da</source>
        <translation>Dhu l-qa'da</translation>
    </message>
    <message>
        <source>Thu Al-Hijja</source>
        <translation>Dhu l-hiddscha</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>ShortWeekday</name>
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
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Vierter</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
</context>
<context>
    <name>Fiqh</name>
    <message>
        <source>Jafari</source>
        <translation>Dschafaritisch</translation>
    </message>
    <message>
        <source>Shafi'i</source>
        <translation>Schafiitisch</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafitisch</translation>
    </message>
    <message>
        <source>Maliki</source>
        <translation>Malikitisch</translation>
    </message>
    <message>
        <source>Hanbali</source>
        <translation>Hanbalitisch</translation>
    </message>
</context>
<context>
    <name>Precision</name>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
</context>
<context>
    <name>HighLatitudeRule</name>
    <message>
        <source>Non</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>1/7 of day when needed</source>
        <translation>1/7 des Tages bei Bedarf</translation>
    </message>
    <message>
        <source>1/7 of day always</source>
        <translation>1/7 des Tages immer</translation>
    </message>
    <message>
        <source>1/7 of night when needed</source>
        <translation>1/7 der Nacht bei Bedarf</translation>
    </message>
    <message>
        <source>1/7 of night always</source>
        <translation>1/7 der Nacht immer</translation>
    </message>
    <message>
        <source>Nearest location-all prayers</source>
        <translation>Nächster Ort - alle Gebete</translation>
    </message>
    <message>
        <source>Nearest location-needed prayers</source>
        <translation>Nächster Ort - nötige Gebete</translation>
    </message>
    <message>
        <source>Nearest day-all prayers</source>
        <translation>Nächster Tag - alle Gebete</translation>
    </message>
    <message>
        <source>Nearest day-needed prayers</source>
        <translation>Nächster Tag - nötige Gebete</translation>
    </message>
    <message>
        <source>minutes for Fajr and Isha prayers</source>
        <translation>Minuten für Fadschr und Ischa</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Crescent at the place</source>
        <translation>Mondsichel am Ort</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Tabellarisch</translation>
    </message>
</context>
<context>
    <name>Marker</name>
    <message>
        <source>NotValid</source>
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>AlwAbove</source>
        <translation>Immer oben</translation>
    </message>
    <message>
        <source>AlwBelow</source>
        <translation>Immer unten</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Latitude %s, Longitude %s,</source>
        <translation>Breite %s, Länge %s,</translation>
    </message>
    <message>
        <source>Height: %d meters ASL, Time Zone: %2.2f,</source>
        <translation>Höhe: %d Meter über dem Meer, Zeitzone: %2.2f,</translation>
    </message>
    <message>
        <source>Summer Time as in time zone %s</source>
        <translation>Sommerzeit wie in der Zeitzone %s</translation>
    </message>
    <message>
        <source>No Summer Time available</source>
        <translation>Keine Sommerzeit</translation>
    </message>
    <message>
        <source>Summer Time starts at: %s</source>
        <translation>Sommerzeit beginnt: %s</translation>
    </message>
    <message>
        <source>Summer Time ends at: %s</source>
        <translation>Sommerzeit endet: %s</translation>
    </message>
    <message>
        <source>%s %s, %s</source>
        <translation>%s %s, %s</translation>
    </message>
    <message>
        <source>Configuration:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Fiqh = %s, Distance = %d km, Precision = %s,</source>
        <translation>Rechtsschule = %s, Entfernung = %d km, Genauigkeit = %s,</translation>
    </message>
    <message>
        <source>Imsak angle = %s, Fajr angle = %s,</source>
        <translation>Imsak-Winkel = %s, Fadschr-Winkel = %s,</translation>
    </message>
    <message>
        <source>Isha angle = %s, Added minutes to Maghrib time = %d,</source>
        <translation>Ischa-Winkel = %s, Minuten zu Maghrib = %d,</translation>
    </message>
    <message>
        <source>Added minutes to Maghrib time = %d,</source>
        <translation>Minuten zu Maghrib = %d,</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by %1d days,</source>
        <translation>Hidschra-Kalender um %1d Tage verschoben,</translation>
    </message>
    <message>
        <source>Method = %s, Hijri calendar = %s,</source>
        <translation>Methode = %s, Hidschra-Kalender = %s,</translation>
    </message>
    <message>
        <source>Rule at high latitudes = %s</source>
        <translation>Regel für hohe Breiten = %s</translation>
    </message>
    <message>
        <source>%d minutes for Fajr and Isha prayers</source>
        <translation>%d Minuten für Fadschr und Ischa</translation>
    </message>
    <message>
        <source>%d minutes for Fajr prayer</source>
        <translation>%d Minuten für Fadschr</translation>
    </message>
    <message>
        <source>Prayer schedule for %s</source>
        <translation>Gebetszeiten für %s</translation>
    </message>
    <message>
        <source>Moon Information for %s</source>
        <translation>Mondinformationen für %s</translation>
    </message>
    <message>
        <source>Prayer Schedule for %s</source>
        <translation>Gebetszeiten in %s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>IslDate</source>
        <translation>Hidschra</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Isha'a</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>MoonRise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>MoonTransit</source>
        <translation>Monddurchgang</translation>
    </message>
    <message>
        <source>MoonSet</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Next Geocentric  New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Nächster geozentrischer Neumond %s, %d/%d/%d um %s(%sTDT)</translation>
    </message>
    <message>
        <source>Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Nächster topozentrischer Neumond %s, %d/%d/%d um %s(%sTDT)</translation>
    </message>
    <message>
        <source>Moon data for %d/%s/%d at Sunset</source>
        <translation>Monddaten bei Sonnenuntergang am %d/%s/%d</translation>
    </message>
    <message>
        <source>Moonset (%s) - Sunset (%s) = %s</source>
        <translation>Monduntergang (%s) - Sonnenuntergang (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Altitude (%s) - Sun Altitude (%s) = %s</source>
        <translation>Mondhöhe (%s) - Sonnenhöhe (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Azimuth (%s) - Sun Azimuth (%s) = %s</source>
        <translation>Mondazimut (%s) - Sonnenazimut (%s) = %s</translation>
    </message>
    <message>
        <source>Geocentric Moon Age = %s, Topocentric Moon Age = %s</source>
        <translation>Geozentrisches Mondalter = %s, topozentrisches Mondalter = %s</translation>
    </message>
    <message>
        <source>Geocentric Elongation = %s, Topocentric Elongation = %s</source>
        <translation>Geozentrische Elongation = %s, topozentrische Elongation = %s</translation>
    </message>
    <message>
        <source>Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km</source>
        <translation>Geozentrische Entfernung = %5.1f km, topozentrische Entfernung = %5.1f km</translation>
    </message>
    <message>
        <source>Position angle of bright limb = %s, Topocentric Width  = %s</source>
        <translation>Positionswinkel des hellen Randes = %s, topozentrische Breite = %s</translation>
    </message>
    <message>
        <source>The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s</source>
        <translation>Der Mond ist zu %0.2f%% beleuchtet, topozentrischer Halbmesser = %s</translation>
    </message>
    <message>
        <source>Possible start of %s, %d AH: %s, %d/%s/%d</source>
        <translation>Möglicher Beginn von %s %d AH: %s, %d/%s/%d</translation>
    </message>
    <message>
        <source>Could not calculate valid sunset/moonset times!</source>
        <translation>Keine gültigen Zeiten für Sonnen- und Monduntergang berechenbar!</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla is %s from Magnetic North</source>
        <translation>Die Qibla liegt %s von magnetisch Nord</translation>
    </message>
    <message>
        <source>Magnetic Declination is %s</source>
        <translation>Die Missweisung beträgt %s</translation>
    </message>
    <message>
        <source>The Sun is below the horizon!</source>
        <translation>Die Sonne steht unter dem Horizont!</translation>
    </message>
    <message>
        <source>The length of shadow is zero!</source>
        <translation>Die Schattenlänge ist null!</translation>
    </message>
    <message>
        <source>Qibla is %s from the shadow of the Sun</source>
        <translation>Die Qibla liegt %s vom Sonnenschatten</translation>
    </message>
    <message>
        <source>The length of shadow is %1.2f of original height</source>
        <translation>Der Schatten ist %1.2f-mal so lang wie der Gegenstand hoch</translation>
    </message>
    <message>
        <source>Qibla is %s from Geographic North</source>
        <translation>Die Qibla liegt %s von geografisch Nord</translation>
    </message>
    <message>
        <source>Distance to Mecca is %5.2f km</source>
        <translation>Entfernung nach Mekka: %5.2f km</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%d %s %d AH</source>
        <translation>%d. %s %d AH</translation>
    </message>
    <message>
        <source>%s %s in %s (%s)</source>
        <translation>%s %s in %s (%s)</translation>
    </message>
    <message>
        <source>Geocentric new moon:</source>
        <translation>Geozentrischer Neumond:</translation>
    </message>
    <message>
        <source>Topocentric new moon:</source>
        <translation>Topozentrischer Neumond:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Sonnenuntergang:</translation>
    </message>
    <message>
        <source>%s (%s), moonset %+.0f minutes later</source>
        <translation>%s (%s), Monduntergang %+.0f Minuten später</translation>
    </message>
    <message>
        <source>not available (%s)</source>
        <translation>nicht verfügbar (%s)</translation>
    </message>
    <message>
        <source>Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)</source>
        <translation>Mondhöhe %.2f Grad, Sonnenhöhe %.2f Grad (scheinbar, topozentrisch)</translation>
    </message>
    <message>
        <source>Elongation %.2f deg geocentric, %.2f deg topocentric</source>
        <translation>Elongation %.2f Grad geozentrisch, %.2f Grad topozentrisch</translation>
    </message>
    <message>
        <source>Moon age %.2f hours geocentric, %.2f hours topocentric</source>
        <translation>Mondalter %.2f Stunden geozentrisch, %.2f Stunden topozentrisch</translation>
    </message>
    <message>
        <source>Illuminated %.2f%%</source>
        <translation>Beleuchtet %.2f%%</translation>
    </message>
    <message>
        <source>Possible start of the month:</source>
        <translation>Möglicher Monatsbeginn:</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>Prayer times for %s (latitude %.4f, longitude %.4f, height %d m, zone %+.2f h)</source>
        <translation>Gebetszeiten für %s (Breite %.4f, Länge %.4f, Höhe %d m, Zone %+.2f h)</translation>
    </message>
    <message>
        <source>Method: %s</source>
        <translation>Methode: %s</translation>
    </message>
    <message>
        <source>Fiqh %s, area %d km, high-latitude rule: %s</source>
        <translation>Rechtsschule %s, Gebiet %d km, Regel für hohe Breiten: %s</translation>
    </message>
    <message>
        <source>Times HH:MM:SS of local time; &lt; previous day, &gt; next day</source>
        <translation>Zeiten HH:MM:SS Ortszeit; &lt; Vortag, &gt; Folgetag</translation>
    </message>
</context>
</TS>
