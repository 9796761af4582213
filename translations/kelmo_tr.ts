<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation>Geçerli namaz vakti hesaplanamadı!</translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation>Ayar dosyası açılamadı!</translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation>Ayar dosyası boş!</translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation>Ayar dosyası bozuk!</translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation>Varsayılan konum ayar dosyasında bulunamadı!</translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation>Ayar dosyası oluşturulamadı!</translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation>Ayar dosyasına yazılamadı!</translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation>Ayar dosyası yazmak için açılamadı!</translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation>Ses çalmak için seçilen mezhep ve vakitler uyuşmuyor!</translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation>Ses çalar bulunamadı!</translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation>Ses dosyası açılamadı!</translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation>Ses dosyası açılamadı (vakit öncesi ses dosyası)!</translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation>Ses çalmak için hiç vakit seçilmedi!</translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation>Geçerli klasörün yolu alınamadı!</translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation>Windows Kayıt Defteri açılamadı!</translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation>Windows Kayıt Defteri değiştirilemedi!</translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation>Geçici dosya açılamadı!</translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation>Ayar dosyası çok büyük!</translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation>Konumun saat dilimi okunamadı!</translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation>Bir konum adı yazmalısınız!</translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation>Yanlış enlem değeri!</translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation>Yanlış boylam değeri!</translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation>Hatalı saat dilimi değeri!</translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation>Hatalı yaz saati başlangıç tarihi!</translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation>Hatalı yaz saati bitiş tarihi!</translation>
    </message>
    <message>
        <source>Incorrect Fajr angle!</source>
        <translation>Hatalı sabah açısı!</translation>
    </message>
    <message>
        <source>Incorrect Imsak angle!</source>
        <translation>Hatalı imsak açısı!</translation>
    </message>
    <message>
        <source>Invalid date is chosen!</source>
        <translation>Geçersiz bir tarih seçildi!</translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation>Seçilen tarih dönüştürülemedi!</translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation>Tarih Ümmülkura takviminin dışında (Hicri 1300-1600)!</translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation>Çıktı dosyası açılamadı!</translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation>Çıktı dosyasına yazılamadı!</translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation>Çıktı dosyası görüntülenemedi!</translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation>Ses çalar başlatılamadı!</translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation>Ses çalar sonlandırılamadı!</translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation>KelmoTimes başlatılamadı!</translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation>Komut satırı okunamadı!</translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation>Bildirici penceresi küçültülemedi!</translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation>Kıble bilgisi okunamadı!</translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation>Kelmo Zamanlayıcı veya Kelmo Bildirici zaten çalışıyor!</translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation>Zamanlayıcı ve Bildirici işlemi güncellenemedi!</translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation>Durum gösterilemedi!</translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation>Kıble yönü hesaplanamıyor!</translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation>Yeni bir ayar dosyası oluşturmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Bilinmeyen hata!</translation>
    </message>
</context>
<context>
    <name>kelmo::platform::MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Athan</name>
    <message>
        <source>It is time for %1 prayer</source>
        <translation>%1 namazı vakti</translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation>%1 vakti girdi: %2</translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation>Bu vakit %1 dk önce girdi</translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation>Bu vakit %1 sa %2 dk önce girdi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Today is %1,</source>
        <translation>Bugün %1,</translation>
    </message>
    <message>
        <source>%1/%2/%3 AD</source>
        <translation>%1 %2 %3 M.</translation>
    </message>
    <message>
        <source>%1/%2/%3 AH</source>
        <translation>%1 %2 %3 H.</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>Konum: %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::BackgroundMode</name>
    <message>
        <source>Kelmo Timer not started: </source>
        <translation>Kelmo Zamanlayıcı başlatılmadı: </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation>KelmoTimes Hakkında</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoDlg</name>
    <message>
        <source>Input</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation>İstediğiniz tarihi ayarlamak için basın</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation>Konum veritabanından seçmek ya da onu düzenlemek için basın</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Press to manipulate configuration parameters</source>
        <translation>Ayarları değiştirmek için basın</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Namaz</translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation>Namaz vakitlerini hesaplamak için basın</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation>Ay verilerini ve Hicri ayın başlangıcını hesaplamak için basın</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Kıble</translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation>Kıble yönünü ve Mekke&apos;ye uzaklığı hesaplamak için basın</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Press to view the online help</source>
        <translation>Yardımı görüntülemek için basın</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Press to terminate the program</source>
        <translation>Programı kapatmak için basın</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Küçült</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ka&amp;pat</translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation>Vakit &amp;grafiği...</translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation>KelmoTimes &amp;Hakkında</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoFrm</name>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>KelmoTimes&apos;ı başlat</translation>
    </message>
    <message>
        <source>Terminate Timer</source>
        <translation>Zamanlayıcıyı kapat</translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation>Zamanlayıcı ve Bildiriciyi kapat</translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation>%1 (sonraki)</translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation>KelmoTimes: planlanmış vakit yok</translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation>Sonraki vakit: %1, saat %2
Kalan süre: %3
Konum: %4</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kelmo Timer is active 
%1 prayer starts at %2 
in %3</source>
        <translation>Kelmo Zamanlayıcı etkin 
%1 vakti: %2 
Konum: %3</translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation>Kelmo.cfg okunamadı; Zamanlayıcı son geçerli ayarlarıyla çalışmayı sürdürüyor.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation>Sabah&amp;Yatsı için n dakika</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>Mezhep</translation>
    </message>
    <message>
        <source>Imsak angle</source>
        <translation>İmsak açısı</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation>Sabah açısı</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Yatsı açısı</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Hassasiyet</translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation>Yüksek enlem kuralı</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation>Hicri takvim düzeltmesi</translation>
    </message>
    <message>
        <source>days</source>
        <translation>gün</translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation>Vakit düzeltmesi</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation>Ay görünürlük sınırı</translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation>Akşam vaktine ekle</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>dakika</translation>
    </message>
    <message>
        <source>Distance from center</source>
        <translation>Merkezden uzaklık</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Sound and Notifier</source>
        <translation>Ses ve Bildirici</translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation>Bildiriciyi etkinleştir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Çal</translation>
    </message>
    <message>
        <source>sound file</source>
        <translation>ses dosyası</translation>
    </message>
    <message>
        <source>at</source>
        <translation>vakit:</translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation>dakika önce</translation>
    </message>
    <message>
        <source>Open month and year reports with</source>
        <translation>Aylık ve yıllık raporları açan program</translation>
    </message>
    <message>
        <source>program</source>
        <translation>program</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Choose the applied Fiqh from list</source>
        <translation>Uygulanan mezhebi listeden seçin</translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation>İmsak açısının derecesini girin (-20 ile -1 arası)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation>İmsak açısının dakikasını girin (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation>Sabah açısının derecesini girin (imsak/yatsı açısının değeri ile -1 arası)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation>Sabah açısının dakikasını girin (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation>Yatsı açısının derecesini girin (-20 ile -1 arası)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation>Yatsı açısının dakikasını girin (0-59)</translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation>Akşam vaktine eklenecek dakika sayısını girin</translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation>Sonuçların dakika mı saniye mi gösterileceğini listeden seçin. Bu ayar hesaplamayı etkilemez</translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation>Yüksek enlemlerde kullanılacak kuralı listeden seçin. Bu kural, olağan vakitler hesaplanamadığında yerlerine geçecek vakitleri hesaplar</translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation>Hesaplama yapılacak alanın yarıçapını kilometre olarak girin (0-100)</translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation>Düzeltme saniyesini girin. Düzeltme saniyeleri, hesaplamadaki olası hataları karşılamak için namaz vakitlerine eklenen ya da onlardan çıkarılan saniyelerdir</translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation>Görünürlük sınırını derece olarak girin (0-20)</translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation>Görünürlük sınırını dakika olarak girin (0-59)</translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation>Hicri takvimi Jülyen/Gregoryen takvime göre düzeltecek gün sayısını girin (0-3 gün)</translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation>Bildiriciyi etkinleştirmek için bu kutuyu işaretleyin</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation>Namaz vakti girdiğinde bilgisayarınızın bir WAV ses dosyası çalması için bu kutuyu işaretleyin</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation>Vakitten birkaç dakika önce bilgisayarınızın bir WAV ses dosyası çalması için bu kutuyu işaretleyin</translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation>Ses dosyasını seçmek için buraya basın</translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation>Çalınacak ses dosyasının adını girin. Tam yol gereklidir</translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation>Vakti girdiğinde bilgisayarın ses dosyası çalmasını istediğiniz namazın kutusunu işaretleyin</translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation>Dakika sayısı, ses dosyasının namaz vaktinden kaç dakika önce çalınacağını belirtir</translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation>Aylık ve yıllık raporları (Kelmo.out) açacak programı seçin ya da adını yazın; masaüstünün varsayılanı onları masaüstünün metin dosyalarını açtığı gibi açar</translation>
    </message>
    <message>
        <source>Press here to select the program</source>
        <translation>Programı seçmek için buraya basın</translation>
    </message>
    <message>
        <source>Press to cancel the changes.</source>
        <translation>Değişiklikleri iptal etmek için basın.</translation>
    </message>
    <message>
        <source>Press to confirm the changes.</source>
        <translation>Değişiklikleri onaylamak için basın.</translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation>%1 için otomatik başlatma klasörü değiştirilemedi!	</translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation>Otomatik başlatma girdisi %1 yazılamadı ya da silinemedi!	</translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation>masaüstünün varsayılanı</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation>Pencerelerin dilini seçin; Sistem, masaüstünün dilini izler</translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation>KelmoTimes seçilen dili bir sonraki açılışında kullanır.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartPicture</name>
    <message>
        <source>supplied by the rule &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kuralıyla bulunan</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>yaz saati</translation>
    </message>
    <message>
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message>
        <source>first day of a Hijri month (crescent at the place)</source>
        <translation>Hicri ayın ilk günü (yerinde hilal)</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation>Vakit grafiği: %1</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>&amp;PNG olarak kaydet...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>&amp;SVG olarak kaydet...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>Bir tamsayı girin.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>%1 ile %2 arasında bir tamsayı girin.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>En çok %1 karakter girin.</translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation>Denetim karakteri girmeyin (satır sonu, sekme ya da ESC gibi).</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DateDlg</name>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Type of calculation</source>
        <translation>Hesaplama türü</translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation>Bir gün için hesapla</translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation>Bir ay için hesapla</translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation>Bir yıl için hesapla</translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation>Tarih türü</translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation>Jülyen-Gregoryen</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ayarla</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation>Bir gün, bir ay ya da bir yıl için hesaplamak istediğinizi seçeneklerden biriyle belirtin</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation>Tarih türünü (Jülyen/Gregoryen ya da Hicri) seçeneklerden biriyle seçin</translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation>İstediğiniz günü girin</translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation>İstediğiniz ayı seçin</translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation>İstediğiniz yılı girin (Hicri yıl 1 ile 6000, Jülyen/Gregoryen yıl -2000 ile 6000 arasında olmalı)</translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation>Değişiklikleri iptal etmek için basın</translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation>Değişiklikleri onaylamak için basın</translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation>Seçilen tarihi dönüştürmek için basın</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation>Seçilen tarihin karşılığı: %1, %2 %3 %4 (Miladi)</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation>Seçilen tarihin karşılığı: %1, %2 %3 %4 (Hicri)</translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation>Seçilen tarih Hicret&apos;ten önce                   </translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation>Seçilen tarih Ümmülkura takviminin dışında (Hicri 1300-1600)</translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation>Geçerli Hicri tarih hesaplanamadı                </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation>Namaz vakitlerini istediğiniz yeri ve mezhebinizi seçin. Ana penceredeki Konum ve Ayarlar düğmeleriyle bunları sonra değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation>KelmoTimes&apos;a hoş geldiniz</translation>
    </message>
    <message>
        <source>School of law</source>
        <translation>Mezhep</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Hesaplama yöntemi</translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation>Listeden bir yer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>A new place</source>
        <translation>Yeni bir yer</translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation>Şehir,Ülke</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation>Enlem (kuzey +)</translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation>Boylam (doğu +)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Saat dilimi</translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation>Yeni yerin adını girin.</translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation>Bu yer listede var: oradan seçin.</translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation>Listeden bir saat dilimi seçin.</translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation>Listeden bir yer seçin.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::HelpWindow</name>
    <message>
        <source>KelmoTimes Help</source>
        <translation>KelmoTimes Yardım</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Yardım açılamadı.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::LocDlg</name>
    <message>
        <source>First</source>
        <translation>İlk</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a week of the month and a weekday</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Yeni ad</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>N</source>
        <translation>K</translation>
    </message>
    <message>
        <source>S</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>E</source>
        <translation>D</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Saat dilimi</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>DST Available</source>
        <translation>Yaz saati</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>DST Start date</source>
        <translation>Yaz saati başlangıcı</translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation>Yaz saati bitişi</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Saat dilimi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>SelectPlace</source>
        <translation>Konumu seç</translation>
    </message>
    <message>
        <source>SelectHome</source>
        <translation>Varsayılan yap</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation>Konumun adını girin</translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation>Enlemin derecesini girin (0-90)</translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation>Enlemin dakikasını girin (0-59)</translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation>Enlemin saniyesini girin (0-59). Kullanılmıyorsa sıfır girin</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation>Enlemin yönünü (Kuzey ya da Güney) seçeneklerden biriyle belirleyin</translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation>Boylamın derecesini girin (0-180)</translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation>Boylamın dakikasını girin (0-59)</translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation>Boylamın saniyesini girin (0-59). Kullanılmıyorsa sıfır girin</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation>Boylamın yönünü (Doğu ya da Batı) seçeneklerden biriyle belirleyin</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation>Saat diliminin işaretini seçeneklerden biriyle belirleyin. Konum Greenwich&apos;in doğusundaysa +, batısındaysa - seçin</translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation>Saat diliminin saatini girin (0-24)</translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation>Saat diliminin dakikasını girin (0-59)</translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation>Konumun yüksekliğini metre olarak girin (-999 ile 9999 arası)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation>Yaz saati uygulanıp uygulanmadığını seçeneklerden biriyle belirtin</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation>Yaz saatinin başladığı günü listeden seçin</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation>Yaz saatinin başladığı ayı listeden seçin</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation>Yaz saatinin bittiği günü listeden seçin</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation>Yaz saatinin bittiği ayı listeden seçin</translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation>Konumu veritabanına eklemek için basın</translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation>Konumu veritabanından kaldırmak için basın</translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation>Konumun verilerini değiştirmek için basın. Unutmayın, bir konumun adı DEĞİŞTİRİLEMEZ. Konumu kaldırıp yeniden eklemeniz gerekir</translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation>Seçili konumu her zaman için varsayılan yapmak üzere basın</translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation>Seçili konumu bu oturum için varsayılan yapmak üzere basın (KelmoTimes yeniden başlatıldığında varsayılan yine ev konumu olur)</translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation>Konum penceresini kapatmak için basın</translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation>Saatini ve yaz saatini sistemin saat dilimi veritabanından almak için konumun saat dilimini seçin (aramak için yazın) ya da “yok” seçin</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation>Daha fazla konum eklenemez!	
</translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation>Bu konum veritabanında zaten var!	
</translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation>Bu konum veritabanında yok!	
</translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation>Bunu kaldırmadan önce başka bir ev konumu seçin!	
</translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation>Bir konum adı yazmalısınız!	
</translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation>Listeden bir saat dilimi ya da “yok” seçin!	
</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation>Hesaplama yöntemi</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>Hicri takvim</translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation>Camiinizin uyduğu kurumun yöntemini seçin; Custom (özel) girdiğiniz açıları korur</translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation>Hicri tarihlerin takvimini seçin: yerinde görülen hilal, resmî Ümmülkura takvimi (Hicri 1300-1600) ya da tablolu takvim</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation>%1 vakti: %2</translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation>Menüyü görmek için basın.</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Küçült</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>KelmoTimes&apos;ı başlat</translation>
    </message>
    <message>
        <source>Close Notifier</source>
        <translation>Bildiriciyi kapat</translation>
    </message>
    <message>
        <source>Close Notifier and Timer</source>
        <translation>Bildirici ve Zamanlayıcıyı kapat</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Kalan süre: %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation>Gölge</translation>
    </message>
    <message>
        <source>N</source>
        <translation>K</translation>
    </message>
    <message>
        <source>E</source>
        <translation>D</translation>
    </message>
    <message>
        <source>S</source>
        <translation>G</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Kıble</translation>
    </message>
    <message>
        <source>Qibla determination method</source>
        <translation>Kıble belirleme yöntemi</translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation>Coğrafi kuzeyden</translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation>Manyetik kuzeyden</translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation>Güneş&apos;in gölgesinden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Qibla for %1</source>
        <translation>%1 için kıble</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Geographic North</source>
        <translation>Kıble yönünü coğrafi kuzeyden saat yönünde ölçerek hesaplamak için işaretleyin</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation>Kıble yönünü manyetik kuzeyden saat yönünde ölçerek hesaplamak için işaretleyin</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation>Kıble yönünü Güneş&apos;in gölgesinin yönünden saat yönünde ölçerek hesaplamak için işaretleyin</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::TodayPanel</name>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>%1 tomorrow in %2</source>
        <translation>Yarın %1: %2 kaldı</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1: %2 kaldı</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%2 %3 %4 %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <comment>day, Hijri month, Hijri year</comment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
</TS>
