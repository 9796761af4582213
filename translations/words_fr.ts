<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Prayer</name>
    <message>
        <source>Imsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Chourouq</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Midi solaire</translation>
    </message>
    <message>
        <source>Duhr</source>
        <translation>Dhohr</translation>
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
        <translation>Icha</translation>
    </message>
</context>
<context>
    <name>HijriMonth</name>
    <message>
        <source>Muharram</source>
        <translation>Mouharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi'I</source>
        <translation>Rabia al-awal</translation>
    </message>
    <message>
        <source>Rabi'II</source>
        <translation>Rabia ath-thani</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Joumada al-oula</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Joumada ath-thania</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha'ban</source>
        <translation>Chaabane</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Chawwal</translation>
    </message>
    <message>
        <source>Thu Al-Qa'da</source>
        <translation>Dhou al-qi'da</translation>
    </message>
    <message>
        <source>Thu Al-Hijja</source>
        <translation>Dhou al-hijja</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
</context>
<context>
    <name>ShortWeekday</name>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Deuxième</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Troisième</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quatrième</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
</context>
<context>
    <name>Fiqh</name>
    <message>
        <source>Jafari</source>
        <translation>Jafarite</translation>
    </message>
    <message>
        <source>Shafi'i</source>
        <translation>Chaféite</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafite</translation>
    </message>
    <message>
        <source>Maliki</source>
        <translation>Malikite</translation>
    </message>
    <message>
        <source>Hanbali</source>
        <translation>Hanbalite</translation>
    </message>
</context>
<context>
    <name>Precision</name>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
</context>
<context>
    <name>HighLatitudeRule</name>
    <message>
        <source>Non</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>1/7 of day when needed</source>
        <translation>1/7 du jour si nécessaire</translation>
    </message>
    <message>
        <source>1/7 of day always</source>
        <translation>1/7 du jour toujours</translation>
    </message>
    <message>
        <source>1/7 of night when needed</source>
        <translation>1/7 de la nuit si nécessaire</translation>
    </message>
    <message>
        <source>1/7 of night always</source>
        <translation>1/7 de la nuit toujours</translation>
    </message>
    <message>
        <source>Nearest location-all prayers</source>
        <translation>Lieu le plus proche - toutes les prières</translation>
    </message>
    <message>
        <source>Nearest location-needed prayers</source>
        <translation>Lieu le plus proche - prières nécessaires</translation>
    </message>
    <message>
        <source>Nearest day-all prayers</source>
        <translation>Jour le plus proche - toutes les prières</translation>
    </message>
    <message>
        <source>Nearest day-needed prayers</source>
        <translation>Jour le plus proche - prières nécessaires</translation>
    </message>
    <message>
        <source>minutes for Fajr and Isha prayers</source>
        <translation>minutes pour Fajr et Icha</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Crescent at the place</source>
        <translation>Croissant au lieu</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Tabulaire</translation>
    </message>
</context>
<context>
    <name>Marker</name>
    <message>
        <source>NotValid</source>
        <translation>Invalide</translation>
    </message>
    <message>
        <source>AlwAbove</source>
        <translation>Toujours levé</translation>
    </message>
    <message>
        <source>AlwBelow</source>
        <translation>Toujours couché</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Location:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Latitude %s, Longitude %s,</source>
        <translation>Latitude %s, longitude %s,</translation>
    </message>
    <message>
        <source>Height: %d meters ASL, Time Zone: %2.2f,</source>
        <translation>Altitude : %d mètres, fuseau horaire : %2.2f,</translation>
    </message>
    <message>
        <source>Summer Time as in time zone %s</source>
        <translation>Heure d'été comme dans le fuseau %s</translation>
    </message>
    <message>
        <source>No Summer Time available</source>
        <translation>Pas d'heure d'été</translation>
    </message>
    <message>
        <source>Summer Time starts at: %s</source>
        <translation>Début de l'heure d'été : %s</translation>
    </message>
    <message>
        <source>Summer Time ends at: %s</source>
        <translation>Fin de l'heure d'été : %s</translation>
    </message>
    <message>
        <source>%s %s, %s</source>
        <translation>%s %s, %s</translation>
    </message>
    <message>
        <source>Configuration:</source>
        <translation>Configuration :</translation>
    </message>
    <message>
        <source>Fiqh = %s, Distance = %d km, Precision = %s,</source>
        <translation>Fiqh = %s, distance = %d km, précision = %s,</translation>
    </message>
    <message>
        <source>Imsak angle = %s, Fajr angle = %s,</source>
        <translation>Angle d'Imsak = %s, angle de Fajr = %s,</translation>
    </message>
    <message>
        <source>Isha angle = %s, Added minutes to Maghrib time = %d,</source>
        <translation>Angle d'Icha = %s, minutes ajoutées au Maghrib = %d,</translation>
    </message>
    <message>
        <source>Added minutes to Maghrib time = %d,</source>
        <translation>Minutes ajoutées au Maghrib = %d,</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by %1d days,</source>
        <translation>Calendrier hégirien décalé de %1d jours,</translation>
    </message>
    <message>
        <source>Method = %s, Hijri calendar = %s,</source>
        <translation>Méthode = %s, calendrier hégirien = %s,</translation>
    </message>
    <message>
        <source>Rule at high latitudes = %s</source>
        <translation>Règle des hautes latitudes = %s</translation>
    </message>
    <message>
        <source>%d minutes for Fajr and Isha prayers</source>
        <translation>%d minutes pour Fajr et Icha</translation>
    </message>
    <message>
        <source>%d minutes for Fajr prayer</source>
        <translation>%d minutes pour Fajr</translation>
    </message>
    <message>
        <source>Prayer schedule for %s</source>
        <translation>Horaires des prières pour %s</translation>
    </message>
    <message>
        <source>Moon Information for %s</source>
        <translation>Informations sur la Lune pour %s</translation>
    </message>
    <message>
        <source>Prayer Schedule for %s</source>
        <translation>Horaires des prières à %s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>IslDate</source>
        <translation>Hégire</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Isha'a</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>MoonRise</source>
        <translation>Lever Lune</translation>
    </message>
    <message>
        <source>MoonTransit</source>
        <translation>Passage Lune</translation>
    </message>
    <message>
        <source>MoonSet</source>
        <translation>Coucher Lune</translation>
    </message>
    <message>
        <source>Next Geocentric  New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Prochaine nouvelle lune géocentrique %s, %d/%d/%d à %s(%sTDT)</translation>
    </message>
    <message>
        <source>Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Prochaine nouvelle lune topocentrique %s, %d/%d/%d à %s(%sTDT)</translation>
    </message>
    <message>
        <source>Moon data for %d/%s/%d at Sunset</source>
        <translation>Données de la Lune au coucher du Soleil le %d/%s/%d</translation>
    </message>
    <message>
        <source>Moonset (%s) - Sunset (%s) = %s</source>
        <translation>Coucher Lune (%s) - Coucher Soleil (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Altitude (%s) - Sun Altitude (%s) = %s</source>
        <translation>Hauteur Lune (%s) - Hauteur Soleil (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Azimuth (%s) - Sun Azimuth (%s) = %s</source>
        <translation>Azimut Lune (%s) - Azimut Soleil (%s) = %s</translation>
    </message>
    <message>
        <source>Geocentric Moon Age = %s, Topocentric Moon Age = %s</source>
        <translation>Âge géocentrique de la Lune = %s, âge topocentrique = %s</translation>
    </message>
    <message>
        <source>Geocentric Elongation = %s, Topocentric Elongation = %s</source>
        <translation>Élongation géocentrique = %s, élongation topocentrique = %s</translation>
    </message>
    <message>
        <source>Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km</source>
        <translation>Distance géocentrique = %5.1f km, distance topocentrique = %5.1f km</translation>
    </message>
    <message>
        <source>Position angle of bright limb = %s, Topocentric Width  = %s</source>
        <translation>Angle de position du limbe éclairé = %s, largeur topocentrique = %s</translation>
    </message>
    <message>
        <source>The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s</source>
        <translation>La Lune est éclairée à %0.2f%%, demi-diamètre topocentrique = %s</translation>
    </message>
    <message>
        <source>Possible start of %s, %d AH: %s, %d/%s/%d</source>
        <translation>Début possible de %s %d H : %s, %d/%s/%d</translation>
    </message>
    <message>
        <source>Could not calculate valid sunset/moonset times!</source>
        <translation>Impossible de calculer des heures valides de coucher du Soleil et de la Lune !</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla is %s from Magnetic North</source>
        <translation>La qibla est à %s du nord magnétique</translation>
    </message>
    <message>
        <source>Magnetic Declination is %s</source>
        <translation>La déclinaison magnétique est de %s</translation>
    </message>
    <message>
        <source>The Sun is below the horizon!</source>
        <translation>Le Soleil est sous l'horizon !</translation>
    </message>
    <message>
        <source>The length of shadow is zero!</source>
        <translation>La longueur de l'ombre est nulle !</translation>
    </message>
    <message>
        <source>Qibla is %s from the shadow of the Sun</source>
        <translation>La qibla est à %s de l'ombre du Soleil</translation>
    </message>
    <message>
        <source>The length of shadow is %1.2f of original height</source>
        <translation>L'ombre mesure %1.2f fois la hauteur de l'objet</translation>
    </message>
    <message>
        <source>Qibla is %s from Geographic North</source>
        <translation>La qibla est à %s du nord géographique</translation>
    </message>
    <message>
        <source>Distance to Mecca is %5.2f km</source>
        <translation>Distance jusqu'à La Mecque : %5.2f km</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%d %s %d AH</source>
        <translation>%d %s %d H</translation>
    </message>
    <message>
        <source>%s %s in %s (%s)</source>
        <translation>%s %s dans %s (%s)</translation>
    </message>
    <message>
        <source>Geocentric new moon:</source>
        <translation>Nouvelle lune géocentrique :</translation>
    </message>
    <message>
        <source>Topocentric new moon:</source>
        <translation>Nouvelle lune topocentrique :</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Coucher du Soleil :</translation>
    </message>
    <message>
        <source>%s (%s), moonset %+.0f minutes later</source>
        <translation>%s (%s), coucher de la Lune %+.0f minutes plus tard</translation>
    </message>
    <message>
        <source>not available (%s)</source>
        <translation>indisponible (%s)</translation>
    </message>
    <message>
        <source>Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)</source>
        <translation>Hauteur de la Lune %.2f°, du Soleil %.2f° (apparentes, topocentriques)</translation>
    </message>
    <message>
        <source>Elongation %.2f deg geocentric, %.2f deg topocentric</source>
        <translation>Élongation %.2f° géocentrique, %.2f° topocentrique</translation>
    </message>
    <message>
        <source>Moon age %.2f hours geocentric, %.2f hours topocentric</source>
        <translation>Âge de la Lune %.2f heures géocentrique, %.2f heures topocentrique</translation>
    </message>
    <message>
        <source>Illuminated %.2f%%</source>
        <translation>Éclairée à %.2f%%</translation>
    </message>
    <message>
        <source>Possible start of the month:</source>
        <translation>Début possible du mois :</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>indisponible</translation>
    </message>
    <message>
        <source>Prayer times for %s (latitude %.4f, longitude %.4f, height %d m, zone %+.2f h)</source>
        <translation>Horaires des prières pour %s (latitude %.4f, longitude %.4f, altitude %d m, fuseau %+.2f h)</translation>
    </message>
    <message>
        <source>Method: %s</source>
        <translation>Méthode : %s</translation>
    </message>
    <message>
        <source>Fiqh %s, area %d km, high-latitude rule: %s</source>
        <translation>Fiqh %s, zone %d km, règle des hautes latitudes : %s</translation>
    </message>
    <message>
        <source>Times HH:MM:SS of local time; &lt; previous day, &gt; next day</source>
        <translation>Heures HH:MM:SS locales ; &lt; jour précédent, &gt; jour suivant</translation>
    </message>
</context>
</TS>
