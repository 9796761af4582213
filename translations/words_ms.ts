<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms" sourcelanguage="en">
<context>
    <name>Prayer</name>
    <message>
        <source>Imsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Syuruk</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Istiwa</translation>
    </message>
    <message>
        <source>Duhr</source>
        <translation>Zohor</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isyak</translation>
    </message>
</context>
<context>
    <name>HijriMonth</name>
    <message>
        <source>Muharram</source>
        <translation>Muharam</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi'I</source>
        <translation>Rabiulawal</translation>
    </message>
    <message>
        <source>Rabi'II</source>
        <translation>Rabiulakhir</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Jamadilawal</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Jamadilakhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rejab</translation>
    </message>
    <message>
        <source>Sha'ban</source>
        <translation>Syaaban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Syawal</translation>
    </message>
    <message>
        <source>Thu Al-Qa'da</source>
        <translation>Zulkaedah</translation>
    </message>
    <message>
        <source>Thu Al-Hijja</source>
        <translation>Zulhijah</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julai</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Ogos</translation>
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
        <translation>Disember</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>Isnin</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Selasa</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Rabu</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Khamis</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Jumaat</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabtu</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Ahad</translation>
    </message>
</context>
<context>
    <name>ShortWeekday</name>
    <message>
        <source>Mon</source>
        <translation>Isn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Sel</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Rab</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Kha</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Jum</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Ahd</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>First</source>
        <translation>pertama</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>kedua</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>ketiga</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>keempat</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>terakhir</translation>
    </message>
</context>
<context>
    <name>Fiqh</name>
    <message>
        <source>Jafari</source>
        <translation>Ja'fari</translation>
    </message>
    <message>
        <source>Shafi'i</source>
        <translation>Syafie</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>Maliki</source>
        <translation>Maliki</translation>
    </message>
    <message>
        <source>Hanbali</source>
        <translation>Hanbali</translation>
    </message>
</context>
<context>
    <name>Precision</name>
    <message>
        <source>Seconds</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minit</translation>
    </message>
</context>
<context>
    <name>HighLatitudeRule</name>
    <message>
        <source>Non</source>
        <translation>Tiada</translation>
    </message>
    <message>
        <source>1/7 of day when needed</source>
        <translation>1/7 siang apabila perlu</translation>
    </message>
    <message>
        <source>1/7 of day always</source>
        <translation>1/7 siang sentiasa</translation>
    </message>
    <message>
        <source>1/7 of night when needed</source>
        <translation>1/7 malam apabila perlu</translation>
    </message>
    <message>
        <source>1/7 of night always</source>
        <translation>1/7 malam sentiasa</translation>
    </message>
    <message>
        <source>Nearest location-all prayers</source>
        <translation>Lokasi terdekat - semua solat</translation>
    </message>
    <message>
        <source>Nearest location-needed prayers</source>
        <translation>Lokasi terdekat - solat yang perlu</translation>
    </message>
    <message>
        <source>Nearest day-all prayers</source>
        <translation>Hari terdekat - semua solat</translation>
    </message>
    <message>
        <source>Nearest day-needed prayers</source>
        <translation>Hari terdekat - solat yang perlu</translation>
    </message>
    <message>
        <source>minutes for Fajr and Isha prayers</source>
        <translation>minit untuk Subuh dan Isyak</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Crescent at the place</source>
        <translation>Anak bulan di tempat</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Jadual</translation>
    </message>
</context>
<context>
    <name>Marker</name>
    <message>
        <source>NotValid</source>
        <translation>Tak sah</translation>
    </message>
    <message>
        <source>AlwAbove</source>
        <translation>Sentiasa atas</translation>
    </message>
    <message>
        <source>AlwBelow</source>
        <translation>Sentiasa bawah</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Location:</source>
        <translation>Lokasi:</translation>
    </message>
    <message>
        <source>Latitude %s, Longitude %s,</source>
        <translation>Latitud %s, Longitud %s,</translation>
    </message>
    <message>
        <source>Height: %d meters ASL, Time Zone: %2.2f,</source>
        <translation>Ketinggian: %d meter dari aras laut, Zon waktu: %2.2f,</translation>
    </message>
    <message>
        <source>Summer Time as in time zone %s</source>
        <translation>Waktu musim panas seperti zon waktu %s</translation>
    </message>
    <message>
        <source>No Summer Time available</source>
        <translation>Tiada waktu musim panas</translation>
    </message>
    <message>
        <source>Summer Time starts at: %s</source>
        <translation>Waktu musim panas bermula: %s</translation>
    </message>
    <message>
        <source>Summer Time ends at: %s</source>
        <translation>Waktu musim panas berakhir: %s</translation>
    </message>
    <message>
        <source>%s %s, %s</source>
        <translation>%2$s %1$s, %3$s</translation>
    </message>
    <message>
        <source>Configuration:</source>
        <translation>Konfigurasi:</translation>
    </message>
    <message>
        <source>Fiqh = %s, Distance = %d km, Precision = %s,</source>
        <translation>Mazhab = %s, Jarak = %d km, Ketepatan = %s,</translation>
    </message>
    <message>
        <source>Imsak angle = %s, Fajr angle = %s,</source>
        <translation>Sudut Imsak = %s, Sudut Subuh = %s,</translation>
    </message>
    <message>
        <source>Isha angle = %s, Added minutes to Maghrib time = %d,</source>
        <translation>Sudut Isyak = %s, Minit tambahan Maghrib = %d,</translation>
    </message>
    <message>
        <source>Added minutes to Maghrib time = %d,</source>
        <translation>Minit tambahan Maghrib = %d,</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by %1d days,</source>
        <translation>Pelarasan kalendar Hijrah %1d hari,</translation>
    </message>
    <message>
        <source>Method = %s, Hijri calendar = %s,</source>
        <translation>Kaedah = %s, Kalendar Hijrah = %s,</translation>
    </message>
    <message>
        <source>Rule at high latitudes = %s</source>
        <translation>Peraturan latitud tinggi = %s</translation>
    </message>
    <message>
        <source>%d minutes for Fajr and Isha prayers</source>
        <translation>%d minit untuk Subuh dan Isyak</translation>
    </message>
    <message>
        <source>%d minutes for Fajr prayer</source>
        <translation>%d minit untuk Subuh</translation>
    </message>
    <message>
        <source>Prayer schedule for %s</source>
        <translation>Jadual solat untuk %s</translation>
    </message>
    <message>
        <source>Moon Information for %s</source>
        <translation>Maklumat Bulan untuk %s</translation>
    </message>
    <message>
        <source>Prayer Schedule for %s</source>
        <translation>Jadual Solat untuk %s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarikh</translation>
    </message>
    <message>
        <source>IslDate</source>
        <translation>Hijrah</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Isha'a</source>
        <translation>Isyak</translation>
    </message>
    <message>
        <source>MoonRise</source>
        <translation>Bulan terbit</translation>
    </message>
    <message>
        <source>MoonTransit</source>
        <translation>Transit Bulan</translation>
    </message>
    <message>
        <source>MoonSet</source>
        <translation>Bulan terbenam</translation>
    </message>
    <message>
        <source>Next Geocentric  New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Anak bulan geosentrik berikut %s, %d/%d/%d pada %s(%sTDT)</translation>
    </message>
    <message>
        <source>Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Anak bulan toposentrik berikut %s, %d/%d/%d pada %s(%sTDT)</translation>
    </message>
    <message>
        <source>Moon data for %d/%s/%d at Sunset</source>
        <translation>Data Bulan ketika matahari terbenam %d/%s/%d</translation>
    </message>
    <message>
        <source>Moonset (%s) - Sunset (%s) = %s</source>
        <translation>Bulan terbenam (%s) - Matahari terbenam (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Altitude (%s) - Sun Altitude (%s) = %s</source>
        <translation>Altitud Bulan (%s) - Altitud Matahari (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Azimuth (%s) - Sun Azimuth (%s) = %s</source>
        <translation>Azimut Bulan (%s) - Azimut Matahari (%s) = %s</translation>
    </message>
    <message>
        <source>Geocentric Moon Age = %s, Topocentric Moon Age = %s</source>
        <translation>Umur Bulan geosentrik = %s, Umur Bulan toposentrik = %s</translation>
    </message>
    <message>
        <source>Geocentric Elongation = %s, Topocentric Elongation = %s</source>
        <translation>Elongasi geosentrik = %s, Elongasi toposentrik = %s</translation>
    </message>
    <message>
        <source>Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km</source>
        <translation>Jarak geosentrik = %5.1f km, Jarak toposentrik = %5.1f km</translation>
    </message>
    <message>
        <source>Position angle of bright limb = %s, Topocentric Width  = %s</source>
        <translation>Sudut kedudukan tepi terang = %s, Lebar toposentrik = %s</translation>
    </message>
    <message>
        <source>The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s</source>
        <translation>Bulan %0.2f%% bercahaya, Separuh diameter toposentrik = %s</translation>
    </message>
    <message>
        <source>Possible start of %s, %d AH: %s, %d/%s/%d</source>
        <translation>Kemungkinan awal %s %d H: %s, %d/%s/%d</translation>
    </message>
    <message>
        <source>Could not calculate valid sunset/moonset times!</source>
        <translation>Waktu terbenam Matahari dan Bulan yang sah tidak dapat dikira!</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla is %s from Magnetic North</source>
        <translation>Kiblat %s dari utara magnet</translation>
    </message>
    <message>
        <source>Magnetic Declination is %s</source>
        <translation>Deklinasi magnet %s</translation>
    </message>
    <message>
        <source>The Sun is below the horizon!</source>
        <translation>Matahari di bawah ufuk!</translation>
    </message>
    <message>
        <source>The length of shadow is zero!</source>
        <translation>Panjang bayang-bayang sifar!</translation>
    </message>
    <message>
        <source>Qibla is %s from the shadow of the Sun</source>
        <translation>Kiblat %s dari bayang-bayang Matahari</translation>
    </message>
    <message>
        <source>The length of shadow is %1.2f of original height</source>
        <translation>Panjang bayang-bayang %1.2f kali tinggi asal</translation>
    </message>
    <message>
        <source>Qibla is %s from Geographic North</source>
        <translation>Kiblat %s dari utara geografi</translation>
    </message>
    <message>
        <source>Distance to Mecca is %5.2f km</source>
        <translation>Jarak ke Makkah %5.2f km</translation>
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
        <translation>%s %s dalam %s (%s)</translation>
    </message>
    <message>
        <source>Geocentric new moon:</source>
        <translation>Anak bulan geosentrik:</translation>
    </message>
    <message>
        <source>Topocentric new moon:</source>
        <translation>Anak bulan toposentrik:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Matahari terbenam:</translation>
    </message>
    <message>
        <source>%s (%s), moonset %+.0f minutes later</source>
        <translation>%s (%s), bulan terbenam %+.0f minit kemudian</translation>
    </message>
    <message>
        <source>not available (%s)</source>
        <translation>tidak tersedia (%s)</translation>
    </message>
    <message>
        <source>Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)</source>
        <translation>Altitud Bulan %.2f darjah, altitud Matahari %.2f darjah (ketara, toposentrik)</translation>
    </message>
    <message>
        <source>Elongation %.2f deg geocentric, %.2f deg topocentric</source>
        <translation>Elongasi %.2f darjah geosentrik, %.2f darjah toposentrik</translation>
    </message>
    <message>
        <source>Moon age %.2f hours geocentric, %.2f hours topocentric</source>
        <translation>Umur Bulan %.2f jam geosentrik, %.2f jam toposentrik</translation>
    </message>
    <message>
        <source>Illuminated %.2f%%</source>
        <translation>Bercahaya %.2f%%</translation>
    </message>
    <message>
        <source>Possible start of the month:</source>
        <translation>Kemungkinan awal bulan:</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>tidak tersedia</translation>
    </message>
    <message>
        <source>Prayer times for %s (latitude %.4f, longitude %.4f, height %d m, zone %+.2f h)</source>
        <translation>Waktu solat untuk %s (latitud %.4f, longitud %.4f, ketinggian %d m, zon %+.2f jam)</translation>
    </message>
    <message>
        <source>Method: %s</source>
        <translation>Kaedah: %s</translation>
    </message>
    <message>
        <source>Fiqh %s, area %d km, high-latitude rule: %s</source>
        <translation>Mazhab %s, kawasan %d km, peraturan latitud tinggi: %s</translation>
    </message>
    <message>
        <source>Times HH:MM:SS of local time; &lt; previous day, &gt; next day</source>
        <translation>Waktu HH:MM:SS waktu tempatan; &lt; hari sebelumnya, &gt; hari berikutnya</translation>
    </message>
</context>
</TS>
