<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
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
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Istiwa</translation>
    </message>
    <message>
        <source>Duhr</source>
        <translation>Dzuhur</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Ashar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
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
        <translation>Rabiul Awal</translation>
    </message>
    <message>
        <source>Rabi'II</source>
        <translation>Rabiul Akhir</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Jumadil Awal</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Jumadil Akhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha'ban</source>
        <translation>Syakban</translation>
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
        <translation>Zulkaidah</translation>
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
        <translation>Maret</translation>
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
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agustus</translation>
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
        <translation>Desember</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>Senin</translation>
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
        <translation>Kamis</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Jumat</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabtu</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Minggu</translation>
    </message>
</context>
<context>
    <name>ShortWeekday</name>
    <message>
        <source>Mon</source>
        <translation>Sen</translation>
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
        <translation>Kam</translation>
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
        <translation>Min</translation>
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
        <translation>Syafi'i</translation>
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
        <translation>Detik</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Menit</translation>
    </message>
</context>
<context>
    <name>HighLatitudeRule</name>
    <message>
        <source>Non</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>1/7 of day when needed</source>
        <translation>1/7 siang bila perlu</translation>
    </message>
    <message>
        <source>1/7 of day always</source>
        <translation>1/7 siang selalu</translation>
    </message>
    <message>
        <source>1/7 of night when needed</source>
        <translation>1/7 malam bila perlu</translation>
    </message>
    <message>
        <source>1/7 of night always</source>
        <translation>1/7 malam selalu</translation>
    </message>
    <message>
        <source>Nearest location-all prayers</source>
        <translation>Lokasi terdekat - semua salat</translation>
    </message>
    <message>
        <source>Nearest location-needed prayers</source>
        <translation>Lokasi terdekat - salat yang perlu</translation>
    </message>
    <message>
        <source>Nearest day-all prayers</source>
        <translation>Hari terdekat - semua salat</translation>
    </message>
    <message>
        <source>Nearest day-needed prayers</source>
        <translation>Hari terdekat - salat yang perlu</translation>
    </message>
    <message>
        <source>minutes for Fajr and Isha prayers</source>
        <translation>menit untuk Subuh dan Isya</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Crescent at the place</source>
        <translation>Hilal di tempat</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Tabular</translation>
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
        <translation>Selalu atas</translation>
    </message>
    <message>
        <source>AlwBelow</source>
        <translation>Selalu bawah</translation>
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
        <translation>Lintang %s, Bujur %s,</translation>
    </message>
    <message>
        <source>Height: %d meters ASL, Time Zone: %2.2f,</source>
        <translation>Ketinggian: %d meter di atas permukaan laut, Zona waktu: %2.2f,</translation>
    </message>
    <message>
        <source>Summer Time as in time zone %s</source>
        <translation>Waktu musim panas seperti zona waktu %s</translation>
    </message>
    <message>
        <source>No Summer Time available</source>
        <translation>Tidak ada waktu musim panas</translation>
    </message>
    <message>
        <source>Summer Time starts at: %s</source>
        <translation>Waktu musim panas mulai: %s</translation>
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
        <translation>Mazhab = %s, Jarak = %d km, Ketelitian = %s,</translation>
    </message>
    <message>
        <source>Imsak angle = %s, Fajr angle = %s,</source>
        <translation>Sudut Imsak = %s, Sudut Subuh = %s,</translation>
    </message>
    <message>
        <source>Isha angle = %s, Added minutes to Maghrib time = %d,</source>
        <translation>Sudut Isya = %s, Menit tambahan Maghrib = %d,</translation>
    </message>
    <message>
        <source>Added minutes to Maghrib time = %d,</source>
        <translation>Menit tambahan Maghrib = %d,</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by %1d days,</source>
        <translation>Penyesuaian kalender Hijriah %1d hari,</translation>
    </message>
    <message>
        <source>Method = %s, Hijri calendar = %s,</source>
        <translation>Metode = %s, Kalender Hijriah = %s,</translation>
    </message>
    <message>
        <source>Rule at high latitudes = %s</source>
        <translation>Aturan lintang tinggi = %s</translation>
    </message>
    <message>
        <source>%d minutes for Fajr and Isha prayers</source>
        <translation>%d menit untuk Subuh dan Isya</translation>
    </message>
    <message>
        <source>%d minutes for Fajr prayer</source>
        <translation>%d menit untuk Subuh</translation>
    </message>
    <message>
        <source>Prayer schedule for %s</source>
        <translation>Jadwal salat untuk %s</translation>
    </message>
    <message>
        <source>Moon Information for %s</source>
        <translation>Informasi Bulan untuk %s</translation>
    </message>
    <message>
        <source>Prayer Schedule for %s</source>
        <translation>Jadwal Salat untuk %s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tgl</translation>
    </message>
    <message>
        <source>IslDate</source>
        <translation>Hijriah</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Isha'a</source>
        <translation>Isya</translation>
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
        <translation>Bulan baru geosentris berikut %s, %d/%d/%d pukul %s(%sTDT)</translation>
    </message>
    <message>
        <source>Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Bulan baru toposentris berikut %s, %d/%d/%d pukul %s(%sTDT)</translation>
    </message>
    <message>
        <source>Moon data for %d/%s/%d at Sunset</source>
        <translation>Data Bulan saat matahari terbenam %d/%s/%d</translation>
    </message>
    <message>
        <source>Moonset (%s) - Sunset (%s) = %s</source>
        <translation>Bulan terbenam (%s) - Matahari terbenam (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Altitude (%s) - Sun Altitude (%s) = %s</source>
        <translation>Tinggi Bulan (%s) - Tinggi Matahari (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Azimuth (%s) - Sun Azimuth (%s) = %s</source>
        <translation>Azimut Bulan (%s) - Azimut Matahari (%s) = %s</translation>
    </message>
    <message>
        <source>Geocentric Moon Age = %s, Topocentric Moon Age = %s</source>
        <translation>Umur Bulan geosentris = %s, Umur Bulan toposentris = %s</translation>
    </message>
    <message>
        <source>Geocentric Elongation = %s, Topocentric Elongation = %s</source>
        <translation>Elongasi geosentris = %s, Elongasi toposentris = %s</translation>
    </message>
    <message>
        <source>Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km</source>
        <translation>Jarak geosentris = %5.1f km, Jarak toposentris = %5.1f km</translation>
    </message>
    <message>
        <source>Position angle of bright limb = %s, Topocentric Width  = %s</source>
        <translation>Sudut posisi tepi terang = %s, Lebar toposentris = %s</translation>
    </message>
    <message>
        <source>The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s</source>
        <translation>Bulan %0.2f%% tersinari, Semidiameter toposentris = %s</translation>
    </message>
    <message>
        <source>Possible start of %s, %d AH: %s, %d/%s/%d</source>
        <translation>Kemungkinan awal %s %d H: %s, %d/%s/%d</translation>
    </message>
    <message>
        <source>Could not calculate valid sunset/moonset times!</source>
        <translation>Waktu terbenam Matahari dan Bulan yang sah tidak dapat dihitung!</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla is %s from Magnetic North</source>
        <translation>Kiblat %s dari utara magnetis</translation>
    </message>
    <message>
        <source>Magnetic Declination is %s</source>
        <translation>Deklinasi magnetis %s</translation>
    </message>
    <message>
        <source>The Sun is below the horizon!</source>
        <translation>Matahari di bawah ufuk!</translation>
    </message>
    <message>
        <source>The length of shadow is zero!</source>
        <translation>Panjang bayangan nol!</translation>
    </message>
    <message>
        <source>Qibla is %s from the shadow of the Sun</source>
        <translation>Kiblat %s dari bayangan Matahari</translation>
    </message>
    <message>
        <source>The length of shadow is %1.2f of original height</source>
        <translation>Panjang bayangan %1.2f kali tinggi benda</translation>
    </message>
    <message>
        <source>Qibla is %s from Geographic North</source>
        <translation>Kiblat %s dari utara geografis</translation>
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
        <translation>Bulan baru geosentris:</translation>
    </message>
    <message>
        <source>Topocentric new moon:</source>
        <translation>Bulan baru toposentris:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Matahari terbenam:</translation>
    </message>
    <message>
        <source>%s (%s), moonset %+.0f minutes later</source>
        <translation>%s (%s), bulan terbenam %+.0f menit kemudian</translation>
    </message>
    <message>
        <source>not available (%s)</source>
        <translation>tidak tersedia (%s)</translation>
    </message>
    <message>
        <source>Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)</source>
        <translation>Tinggi Bulan %.2f derajat, tinggi Matahari %.2f derajat (tampak, toposentris)</translation>
    </message>
    <message>
        <source>Elongation %.2f deg geocentric, %.2f deg topocentric</source>
        <translation>Elongasi %.2f derajat geosentris, %.2f derajat toposentris</translation>
    </message>
    <message>
        <source>Moon age %.2f hours geocentric, %.2f hours topocentric</source>
        <translation>Umur Bulan %.2f jam geosentris, %.2f jam toposentris</translation>
    </message>
    <message>
        <source>Illuminated %.2f%%</source>
        <translation>Tersinari %.2f%%</translation>
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
        <translation>Jadwal salat untuk %s (lintang %.4f, bujur %.4f, ketinggian %d m, zona %+.2f jam)</translation>
    </message>
    <message>
        <source>Method: %s</source>
        <translation>Metode: %s</translation>
    </message>
    <message>
        <source>Fiqh %s, area %d km, high-latitude rule: %s</source>
        <translation>Mazhab %s, area %d km, aturan lintang tinggi: %s</translation>
    </message>
    <message>
        <source>Times HH:MM:SS of local time; &lt; previous day, &gt; next day</source>
        <translation>Waktu HH:MM:SS waktu setempat; &lt; hari sebelumnya, &gt; hari berikutnya</translation>
    </message>
</context>
</TS>
