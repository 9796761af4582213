<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Prayer</name>
    <message>
        <source>Imsak</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Sabah</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Zeval</translation>
    </message>
    <message>
        <source>Duhr</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
</context>
<context>
    <name>HijriMonth</name>
    <message>
        <source>Muharram</source>
        <translation>Muharrem</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safer</translation>
    </message>
    <message>
        <source>Rabi'I</source>
        <translation>Rebiülevvel</translation>
    </message>
    <message>
        <source>Rabi'II</source>
        <translation>Rebiülahir</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Cemaziyelevvel</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Cemaziyelahir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Recep</translation>
    </message>
    <message>
        <source>Sha'ban</source>
        <translation>Şaban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramazan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Şevval</translation>
    </message>
    <message>
        <source>Thu Al-Qa'da</source>
        <translation>Zilkade</translation>
    </message>
    <message>
        <source>Thu Al-Hijja</source>
        <translation>Zilhicce</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Ocak</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Şubat</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayıs</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Haziran</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Temmuz</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Eylül</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ekim</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Aralık</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
</context>
<context>
    <name>ShortWeekday</name>
    <message>
        <source>Mon</source>
        <translation>Pzt</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Çar</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Cum</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Cmt</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Paz</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>First</source>
        <translation>Birinci</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>İkinci</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Üçüncü</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Dördüncü</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>Fiqh</name>
    <message>
        <source>Jafari</source>
        <translation>Caferi</translation>
    </message>
    <message>
        <source>Shafi'i</source>
        <translation>Şafii</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanefi</translation>
    </message>
    <message>
        <source>Maliki</source>
        <translation>Maliki</translation>
    </message>
    <message>
        <source>Hanbali</source>
        <translation>Hanbeli</translation>
    </message>
</context>
<context>
    <name>Precision</name>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Dakika</translation>
    </message>
</context>
<context>
    <name>HighLatitudeRule</name>
    <message>
        <source>Non</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>1/7 of day when needed</source>
        <translation>Gerektiğinde günün 1/7'si</translation>
    </message>
    <message>
        <source>1/7 of day always</source>
        <translation>Her zaman günün 1/7'si</translation>
    </message>
    <message>
        <source>1/7 of night when needed</source>
        <translation>Gerektiğinde gecenin 1/7'si</translation>
    </message>
    <message>
        <source>1/7 of night always</source>
        <translation>Her zaman gecenin 1/7'si</translation>
    </message>
    <message>
        <source>Nearest location-all prayers</source>
        <translation>En yakın yer - tüm vakitler</translation>
    </message>
    <message>
        <source>Nearest location-needed prayers</source>
        <translation>En yakın yer - gereken vakitler</translation>
    </message>
    <message>
        <source>Nearest day-all prayers</source>
        <translation>En yakın gün - tüm vakitler</translation>
    </message>
    <message>
        <source>Nearest day-needed prayers</source>
        <translation>En yakın gün - gereken vakitler</translation>
    </message>
    <message>
        <source>minutes for Fajr and Isha prayers</source>
        <translation>sabah ve yatsı için dakika</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Crescent at the place</source>
        <translation>Yerinde hilal</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Ümmülkura</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Tablolu</translation>
    </message>
</context>
<context>
    <name>Marker</name>
    <message>
        <source>NotValid</source>
        <translation>Geçersiz</translation>
    </message>
    <message>
        <source>AlwAbove</source>
        <translation>Hep üstte</translation>
    </message>
    <message>
        <source>AlwBelow</source>
        <translation>Hep altta</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Location:</source>
        <translation>Konum:</translation>
    </message>
    <message>
        <source>Latitude %s, Longitude %s,</source>
        <translation>Enlem %s, Boylam %s,</translation>
    </message>
    <message>
        <source>Height: %d meters ASL, Time Zone: %2.2f,</source>
        <translation>Yükseklik: deniz seviyesinden %d metre, Saat dilimi: %2.2f,</translation>
    </message>
    <message>
        <source>Summer Time as in time zone %s</source>
        <translation>Yaz saati %s saat dilimindeki gibi</translation>
    </message>
    <message>
        <source>No Summer Time available</source>
        <translation>Yaz saati yok</translation>
    </message>
    <message>
        <source>Summer Time starts at: %s</source>
        <translation>Yaz saati başlangıcı: %s</translation>
    </message>
    <message>
        <source>Summer Time ends at: %s</source>
        <translation>Yaz saati bitişi: %s</translation>
    </message>
    <message>
        <source>%s %s, %s</source>
        <translation>%s %s, %s</translation>
    </message>
    <message>
        <source>Configuration:</source>
        <translation>Ayarlar:</translation>
    </message>
    <message>
        <source>Fiqh = %s, Distance = %d km, Precision = %s,</source>
        <translation>Mezhep = %s, Mesafe = %d km, Hassasiyet = %s,</translation>
    </message>
    <message>
        <source>Imsak angle = %s, Fajr angle = %s,</source>
        <translation>İmsak açısı = %s, Sabah açısı = %s,</translation>
    </message>
    <message>
        <source>Isha angle = %s, Added minutes to Maghrib time = %d,</source>
        <translation>Yatsı açısı = %s, Akşama eklenen dakika = %d,</translation>
    </message>
    <message>
        <source>Added minutes to Maghrib time = %d,</source>
        <translation>Akşama eklenen dakika = %d,</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by %1d days,</source>
        <translation>Hicri takvim düzeltmesi %1d gün,</translation>
    </message>
    <message>
        <source>Method = %s, Hijri calendar = %s,</source>
        <translation>Yöntem = %s, Hicri takvim = %s,</translation>
    </message>
    <message>
        <source>Rule at high latitudes = %s</source>
        <translation>Yüksek enlem kuralı = %s</translation>
    </message>
    <message>
        <source>%d minutes for Fajr and Isha prayers</source>
        <translation>sabah ve yatsı için %d dakika</translation>
    </message>
    <message>
        <source>%d minutes for Fajr prayer</source>
        <translation>sabah için %d dakika</translation>
    </message>
    <message>
        <source>Prayer schedule for %s</source>
        <translation>%s namaz vakitleri</translation>
    </message>
    <message>
        <source>Moon Information for %s</source>
        <translation>%s Ay bilgileri</translation>
    </message>
    <message>
        <source>Prayer Schedule for %s</source>
        <translation>%s namaz vakitleri</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>IslDate</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Isha'a</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>MoonRise</source>
        <translation>Ay doğuşu</translation>
    </message>
    <message>
        <source>MoonTransit</source>
        <translation>Ay geçişi</translation>
    </message>
    <message>
        <source>MoonSet</source>
        <translation>Ay batışı</translation>
    </message>
    <message>
        <source>Next Geocentric  New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Sonraki yer merkezli yeni ay %s, %d/%d/%d saat %s(%sTDT)</translation>
    </message>
    <message>
        <source>Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>Sonraki gözlemci merkezli yeni ay %s, %d/%d/%d saat %s(%sTDT)</translation>
    </message>
    <message>
        <source>Moon data for %d/%s/%d at Sunset</source>
        <translation>%d/%s/%d gün batımında Ay verileri</translation>
    </message>
    <message>
        <source>Moonset (%s) - Sunset (%s) = %s</source>
        <translation>Ay batışı (%s) - Güneş batışı (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Altitude (%s) - Sun Altitude (%s) = %s</source>
        <translation>Ay yüksekliği (%s) - Güneş yüksekliği (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Azimuth (%s) - Sun Azimuth (%s) = %s</source>
        <translation>Ay azimutu (%s) - Güneş azimutu (%s) = %s</translation>
    </message>
    <message>
        <source>Geocentric Moon Age = %s, Topocentric Moon Age = %s</source>
        <translation>Yer merkezli Ay yaşı = %s, Gözlemci merkezli Ay yaşı = %s</translation>
    </message>
    <message>
        <source>Geocentric Elongation = %s, Topocentric Elongation = %s</source>
        <translation>Yer merkezli uzanım = %s, Gözlemci merkezli uzanım = %s</translation>
    </message>
    <message>
        <source>Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km</source>
        <translation>Yer merkezli uzaklık = %5.1f km, Gözlemci merkezli uzaklık = %5.1f km</translation>
    </message>
    <message>
        <source>Position angle of bright limb = %s, Topocentric Width  = %s</source>
        <translation>Parlak kenarın konum açısı = %s, Gözlemci merkezli genişlik = %s</translation>
    </message>
    <message>
        <source>The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s</source>
        <translation>Ay %0.2f%% aydınlık, Gözlemci merkezli yarıçap = %s</translation>
    </message>
    <message>
        <source>Possible start of %s, %d AH: %s, %d/%s/%d</source>
        <translation>%s %d başlangıcı muhtemelen: %s, %d/%s/%d</translation>
    </message>
    <message>
        <source>Could not calculate valid sunset/moonset times!</source>
        <translation>Geçerli güneş ve ay batışı zamanları hesaplanamadı!</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla is %s from Magnetic North</source>
        <translation>Kıble manyetik kuzeyden %s</translation>
    </message>
    <message>
        <source>Magnetic Declination is %s</source>
        <translation>Manyetik sapma %s</translation>
    </message>
    <message>
        <source>The Sun is below the horizon!</source>
        <translation>Güneş ufkun altında!</translation>
    </message>
    <message>
        <source>The length of shadow is zero!</source>
        <translation>Gölge boyu sıfır!</translation>
    </message>
    <message>
        <source>Qibla is %s from the shadow of the Sun</source>
        <translation>Kıble Güneş'in gölgesinden %s</translation>
    </message>
    <message>
        <source>The length of shadow is %1.2f of original height</source>
        <translation>Gölge boyu asıl yüksekliğin %1.2f katı</translation>
    </message>
    <message>
        <source>Qibla is %s from Geographic North</source>
        <translation>Kıble coğrafi kuzeyden %s</translation>
    </message>
    <message>
        <source>Distance to Mecca is %5.2f km</source>
        <translation>Mekke'ye uzaklık %5.2f km</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%d %s %d AH</source>
        <translation>%d %s %d</translation>
    </message>
    <message>
        <source>%s %s in %s (%s)</source>
        <translation>%s %s, %s kaldı (%s)</translation>
    </message>
    <message>
        <source>Geocentric new moon:</source>
        <translation>Yer merkezli yeni ay:</translation>
    </message>
    <message>
        <source>Topocentric new moon:</source>
        <translation>Gözlemci merkezli yeni ay:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Güneş batışı:</translation>
    </message>
    <message>
        <source>%s (%s), moonset %+.0f minutes later</source>
        <translation>%s (%s), ay batışı %+.0f dakika sonra</translation>
    </message>
    <message>
        <source>not available (%s)</source>
        <translation>yok (%s)</translation>
    </message>
    <message>
        <source>Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)</source>
        <translation>Ay yüksekliği %.2f derece, Güneş yüksekliği %.2f derece (görünür, gözlemci merkezli)</translation>
    </message>
    <message>
        <source>Elongation %.2f deg geocentric, %.2f deg topocentric</source>
        <translation>Uzanım %.2f derece yer merkezli, %.2f derece gözlemci merkezli</translation>
    </message>
    <message>
        <source>Moon age %.2f hours geocentric, %.2f hours topocentric</source>
        <translation>Ay yaşı %.2f saat yer merkezli, %.2f saat gözlemci merkezli</translation>
    </message>
    <message>
        <source>Illuminated %.2f%%</source>
        <translation>Aydınlık %.2f%%</translation>
    </message>
    <message>
        <source>Possible start of the month:</source>
        <translation>Ayın muhtemel başlangıcı:</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Prayer times for %s (latitude %.4f, longitude %.4f, height %d m, zone %+.2f h)</source>
        <translation>%s namaz vakitleri (enlem %.4f, boylam %.4f, yükseklik %d m, dilim %+.2f sa)</translation>
    </message>
    <message>
        <source>Method: %s</source>
        <translation>Yöntem: %s</translation>
    </message>
    <message>
        <source>Fiqh %s, area %d km, high-latitude rule: %s</source>
        <translation>Mezhep %s, alan %d km, yüksek enlem kuralı: %s</translation>
    </message>
    <message>
        <source>Times HH:MM:SS of local time; &lt; previous day, &gt; next day</source>
        <translation>Vakitler yerel saatle HH:MM:SS; &lt; önceki gün, &gt; sonraki gün</translation>
    </message>
</context>
</TS>
