<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation>Waktu solat yang sah tidak dapat dikira!</translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation>Tidak dapat membuka fail konfigurasi!</translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation>Fail konfigurasi kosong!</translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation>Fail konfigurasi rosak!</translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation>Lokasi lalai tidak ditemui dalam fail konfigurasi!</translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation>Tidak dapat mencipta fail konfigurasi!</translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation>Tidak dapat menulis ke fail konfigurasi!</translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation>Tidak dapat membuka fail konfigurasi untuk ditulis!</translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation>Gabungan mazhab dan solat yang dipilih untuk main bunyi tidak sah!</translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation>Pemain bunyi tidak ditemui!</translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation>Tidak dapat membuka fail bunyi!</translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation>Tidak dapat membuka fail bunyi (bunyi peringatan)!</translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation>Tiada solat dipilih untuk main bunyi!</translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation>Tidak dapat membaca laluan direktori semasa!</translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation>Tidak dapat membuka Pendaftaran Windows!</translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation>Tidak dapat mengubah Pendaftaran Windows!</translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation>Tidak dapat membuka fail sementara!</translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation>Fail konfigurasi terlalu besar!</translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation>Tidak dapat membaca zon waktu lokasi!</translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation>Anda perlu menaip nama lokasi!</translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation>Nilai latitud salah!</translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation>Nilai longitud salah!</translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation>Nilai zon waktu salah!</translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation>Tarikh mula DST salah!</translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation>Tarikh tamat DST salah!</translation>
    </message>
    <message>
        <source>Incorrect Fajr angle!</source>
        <translation>Sudut Subuh salah!</translation>
    </message>
    <message>
        <source>Incorrect Imsak angle!</source>
        <translation>Sudut Imsak salah!</translation>
    </message>
    <message>
        <source>Invalid date is chosen!</source>
        <translation>Tarikh yang dipilih tidak sah!</translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation>Tarikh pilihan tidak dapat ditukar!</translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation>Tarikh di luar kalendar Umm al-Qura (1300-1600 H)!</translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation>Tidak dapat membuka fail output!</translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation>Tidak dapat menulis ke fail output!</translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation>Fail output tidak dapat dipaparkan!</translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation>Tidak dapat memulakan pemain bunyi!</translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation>Tidak dapat menamatkan pemain bunyi!</translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation>Tidak dapat memulakan KelmoTimes!</translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation>Tidak dapat membaca baris arahan!</translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation>Tidak dapat meminimumkan tetingkap Notifier!</translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation>Tidak dapat membaca maklumat kiblat!</translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation>Kelmo Timer atau Kelmo Notifier sudah berjalan!</translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation>Tidak dapat mengemas kini proses Timer dan Notifier!</translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation>Gagal memaparkan status!</translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation>Arah kiblat tidak dapat dikira!</translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation>Adakah anda mahu mencipta fail konfigurasi baharu?</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Ralat tak diketahui!</translation>
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
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Athan</name>
    <message>
        <source>It is time for %1 prayer</source>
        <translation>Telah masuk waktu solat %1</translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation>Solat %1 bermula pada %2</translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation>Solat ini bermula %1 minit lalu</translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation>Solat ini bermula %1 jam %2 minit lalu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Today is %1,</source>
        <translation>Hari ini %1,</translation>
    </message>
    <message>
        <source>%1/%2/%3 AD</source>
        <translation>%1/%2/%3 M</translation>
    </message>
    <message>
        <source>%1/%2/%3 AH</source>
        <translation>%1/%2/%3 H</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>di %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::BackgroundMode</name>
    <message>
        <source>Kelmo Timer not started: </source>
        <translation>Kelmo Timer gagal dimulakan: </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation>Perihal KelmoTimes</translation>
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
        <translation>Input</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Kira</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarikh</translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation>Klik untuk menetapkan tarikh</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation>Klik untuk memilih atau mengubah pangkalan data lokasi</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurasi</translation>
    </message>
    <message>
        <source>Press to manipulate configuration parameters</source>
        <translation>Klik untuk mengubah parameter konfigurasi</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Solat</translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation>Klik untuk mengira waktu solat</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation>Klik untuk mengira data Bulan dan awal bulan Hijrah</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Kiblat</translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation>Klik untuk mengira arah kiblat dan jarak ke Makkah</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>Press to view the online help</source>
        <translation>Klik untuk membuka bantuan</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Press to terminate the program</source>
        <translation>Klik untuk menamatkan program</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimumkan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation>&amp;Carta solat...</translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation>&amp;Perihal KelmoTimes</translation>
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
        <translation>Buka KelmoTimes</translation>
    </message>
    <message>
        <source>Terminate Timer</source>
        <translation>Tamatkan Timer</translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation>Tamatkan Timer dan Notifier</translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation>%1 (berikut)</translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation>KelmoTimes: tiada solat dijadualkan</translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation>Solat berikut: %1 pada %2
Baki masa: %3
di %4</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Kelmo Timer is active 
%1 prayer starts at %2 
in %3</source>
        <translation>Kelmo Timer aktif 
Solat %1 bermula pada %2 
di %3</translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation>Kelmo.cfg tidak dapat dibaca; Timer terus menggunakan tetapan sah terakhir.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation>n minit untuk Subuh dan Isyak</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurasi</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>Mazhab</translation>
    </message>
    <message>
        <source>Imsak angle</source>
        <translation>Sudut Imsak</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation>Sudut Subuh</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Sudut Isyak</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Ketepatan</translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation>Peraturan latitud tinggi</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation>Laraskan kalendar Hijrah</translation>
    </message>
    <message>
        <source>days</source>
        <translation>hari</translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation>Betulkan waktu solat</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>saat</translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation>Had kenampakan Bulan</translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation>Tambah pada waktu Maghrib</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minit</translation>
    </message>
    <message>
        <source>Distance from center</source>
        <translation>Jarak dari pusat</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Sound and Notifier</source>
        <translation>Bunyi dan Notifier</translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation>Aktifkan Notifier</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>sound file</source>
        <translation>fail bunyi</translation>
    </message>
    <message>
        <source>at</source>
        <translation>pada</translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation>minit sebelum waktu solat</translation>
    </message>
    <message>
        <source>Open month and year reports with</source>
        <translation>Buka laporan bulanan dan tahunan dengan</translation>
    </message>
    <message>
        <source>program</source>
        <translation>program</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the applied Fiqh from list</source>
        <translation>Pilih mazhab yang digunakan daripada senarai</translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation>Tetapkan darjah sudut Imsak (-20 hingga -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation>Tetapkan minit sudut Imsak (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation>Tetapkan darjah sudut Subuh (dari nilai sudut Imsak/Isyak hingga -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation>Tetapkan minit sudut Subuh (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation>Tetapkan darjah sudut Isyak (-20 hingga -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation>Tetapkan minit sudut Isyak (0-59)</translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation>Tetapkan bilangan minit yang ditambah pada waktu Maghrib</translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation>Pilih daripada senarai sama ada hasil dipaparkan dalam minit atau saat. Pengiraan tidak terjejas oleh tetapan ini</translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation>Pilih daripada senarai peraturan untuk latitud tinggi. Peraturan ini digunakan untuk mengira waktu solat ganti apabila waktu biasa tidak dapat dikira</translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation>Tetapkan jejari kawasan yang ingin dikira, dalam kilometer (0-100)</translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation>Tetapkan bilangan saat pembetulan. Saat pembetulan ialah saat yang ditambah pada atau ditolak daripada waktu solat untuk mengimbangi kemungkinan ralat pengiraan</translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation>Tetapkan had kenampakan dalam darjah (0-20)</translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation>Tetapkan had kenampakan dalam minit (0-59)</translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation>Tetapkan bilangan hari pelarasan Julian/Gregory berbanding Hijrah (0-3 hari)</translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation>Tandakan kotak ini untuk mengaktifkan Notifier</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation>Tandakan kotak ini supaya PC anda memainkan fail bunyi WAV apabila masuk waktu solat</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation>Tandakan kotak ini supaya PC anda memainkan fail bunyi WAV beberapa minit sebelum waktu solat</translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation>Klik di sini untuk memilih fail bunyi</translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation>Tetapkan nama fail bunyi yang akan dimainkan. Laluan penuh diperlukan</translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation>tandakan kotak bagi solat yang PC perlu memainkan fail bunyi apabila masuk waktunya</translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation>Bilangan minit menunjukkan berapa minit sebelum waktu solat fail bunyi dimainkan</translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation>Pilih program yang membuka laporan bulanan dan tahunan (Kelmo.out), atau taip namanya; lalai desktop membukanya seperti desktop membuka fail teks</translation>
    </message>
    <message>
        <source>Press here to select the program</source>
        <translation>Klik di sini untuk memilih program</translation>
    </message>
    <message>
        <source>Press to cancel the changes.</source>
        <translation>Klik untuk membatalkan perubahan.</translation>
    </message>
    <message>
        <source>Press to confirm the changes.</source>
        <translation>Klik untuk mengesahkan perubahan.</translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation>Tidak dapat mengubah folder mula automatik %1!	</translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation>Tidak dapat menulis atau membuang entri mula automatik %1!	</translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation>lalai desktop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation>Pilih bahasa tetingkap; Sistem mengikut bahasa desktop</translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation>KelmoTimes menggunakan bahasa pilihan selepas dimulakan semula.</translation>
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
        <translation>diberikan oleh peraturan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>musim panas</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hari ini</translation>
    </message>
    <message>
        <source>first day of a Hijri month (crescent at the place)</source>
        <translation>hari pertama bulan Hijrah (anak bulan di tempat)</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation>Carta Solat untuk %1</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Simpan &amp;PNG...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Simpan &amp;SVG...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>Masukkan integer.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Masukkan integer antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Masukkan tidak lebih daripada %1 aksara.</translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation>Jangan masukkan aksara kawalan (seperti hujung baris, tab atau ESC).</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DateDlg</name>
    <message>
        <source>Date</source>
        <translation>Tarikh</translation>
    </message>
    <message>
        <source>Type of calculation</source>
        <translation>Jenis pengiraan</translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation>Kira untuk sehari</translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation>Kira untuk sebulan</translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation>Kira untuk setahun</translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation>Jenis tarikh</translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation>Julian-Gregory</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijrah</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Guna</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Tukar</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation>Pilih salah satu butang radio untuk mengira bagi sehari, sebulan atau setahun</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation>Pilih salah satu butang radio untuk memilih jenis tarikh (Julian/Gregory atau Hijrah)</translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation>Tetapkan hari</translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation>Pilih bulan yang dikehendaki</translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation>Pilih tahun yang dikehendaki (tahun Hijrah dari 1 hingga 6000, tahun Julian/Gregory dari -2000 hingga 6000)</translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation>Klik untuk membatalkan perubahan</translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation>Klik untuk mengesahkan perubahan</translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation>Klik untuk menukar tarikh pilihan</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation>Tarikh yang dipilih bersamaan %1, %2/%3/%4 M</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation>Tarikh yang dipilih bersamaan %1, %2/%3/%4 H</translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation>Tarikh yang dipilih sebelum Hijrah                   </translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation>Tarikh yang dipilih di luar kalendar Umm al-Qura (1300 hingga 1600 H)</translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation>Tarikh Hijrah yang sah tidak dapat dikira                </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation>Pilih tempat yang waktu solatnya anda mahu dan mazhab anda. Butang Lokasi dan Konfigurasi di tetingkap utama boleh mengubahnya kemudian.</translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation>Selamat datang ke KelmoTimes</translation>
    </message>
    <message>
        <source>School of law</source>
        <translation>Mazhab</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Kaedah pengiraan</translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation>Tempat daripada senarai</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>A new place</source>
        <translation>Tempat baharu</translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation>Bandar,Negara</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation>Latitud (utara +)</translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation>Longitud (timur +)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zon waktu</translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation>Masukkan nama tempat baharu.</translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation>Tempat ini ada dalam senarai: pilih di sana.</translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation>Pilih zon waktu daripada senarai.</translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation>Pilih tempat daripada senarai.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::HelpWindow</name>
    <message>
        <source>KelmoTimes Help</source>
        <translation>Bantuan KelmoTimes</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Gagal membuka bantuan.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::LocDlg</name>
    <message>
        <source>First</source>
        <translation>pertama</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>kedua</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>ketiga</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>keempat</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>terakhir</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a week of the month and a weekday</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nama Baharu</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>N</source>
        <translation>U</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>E</source>
        <translation>T</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zon Waktu</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Jam</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minit</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Tinggi</translation>
    </message>
    <message>
        <source>DST Available</source>
        <translation>Ada DST</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>DST Start date</source>
        <translation>Mula DST</translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation>Tamat DST</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zon waktu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>SelectPlace</source>
        <translation>Pilih Tempat</translation>
    </message>
    <message>
        <source>SelectHome</source>
        <translation>Jadikan Utama</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation>Tetapkan nama lokasi</translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation>Tetapkan nilai latitud dalam darjah (0-90)</translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation>Tetapkan nilai latitud dalam minit (0-59)</translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation>Tetapkan nilai latitud dalam saat (0-59). Tetapkan sifar jika tidak digunakan</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation>Pilih salah satu butang radio untuk arah latitud (Utara atau Selatan)</translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation>Tetapkan nilai longitud dalam darjah (0-180)</translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation>Tetapkan nilai longitud dalam minit (0-59)</translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation>Tetapkan nilai longitud dalam saat (0-59). Tetapkan sifar jika tidak digunakan</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation>Pilih salah satu butang radio untuk arah longitud (Timur atau Barat)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation>Pilih salah satu butang radio untuk tanda zon waktu. Pilih + jika lokasi di timur Greenwich dan - jika di barat</translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation>Tetapkan bilangan jam zon waktu (0-24)</translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation>Tetapkan bilangan minit zon waktu (0-59)</translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation>Tetapkan ketinggian lokasi dalam meter (-999 hingga 9999)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation>Pilih salah satu butang radio untuk menandakan sama ada waktu musim panas (DST) digunakan atau tidak</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation>Pilih daripada senarai hari DST bermula</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation>Pilih daripada senarai bulan DST bermula</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation>Pilih daripada senarai hari DST berakhir</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation>Pilih daripada senarai bulan DST berakhir</translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation>Klik untuk menambah lokasi ke pangkalan data</translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation>Klik untuk membuang lokasi daripada pangkalan data</translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation>Klik untuk mengubah data lokasi. Ingat, nama lokasi TIDAK boleh diubah. Anda perlu membuangnya, kemudian menambahnya semula</translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation>Klik untuk menjadikan lokasi terpilih sebagai lokasi lalai yang tetap</translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation>Klik untuk menjadikan lokasi terpilih sebagai lalai bagi sesi ini (apabila KelmoTimes dimulakan semula, lokasi utama kembali menjadi lalai)</translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation>Klik untuk menutup dialog Lokasi</translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation>Pilih zon waktu lokasi (taip untuk mencari) supaya jam dan waktu musim panasnya diambil daripada pangkalan data zon waktu sistem, atau tiada</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tiada</translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation>Lokasi tidak boleh ditambah lagi!	
</translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation>Lokasi sudah ada dalam pangkalan data!	
</translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation>Lokasi tiada dalam pangkalan data!	
</translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation>Pilih lokasi utama lain sebelum membuang lokasi ini!	
</translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation>Anda perlu menaip nama lokasi!	
</translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation>Pilih zon waktu daripada senarai, atau tiada!	
</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation>Kaedah pengiraan</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>Kalendar Hijrah</translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation>Pilih pihak berkuasa yang kaedahnya diikuti masjid anda; Custom mengekalkan sudut yang anda tetapkan</translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation>Pilih kalendar tarikh Hijrah: anak bulan yang kelihatan di tempat, kalendar rasmi Umm al-Qura (1300 hingga 1600 H) atau kalendar jadual</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation>Solat %1 bermula pada %2</translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation>Klik untuk melihat menu.</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Buat</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimumkan</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>Buka KelmoTimes</translation>
    </message>
    <message>
        <source>Close Notifier</source>
        <translation>Tutup Notifier</translation>
    </message>
    <message>
        <source>Close Notifier and Timer</source>
        <translation>Tutup Notifier dan Timer</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Baki masa: %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation>Bayang</translation>
    </message>
    <message>
        <source>N</source>
        <translation>U</translation>
    </message>
    <message>
        <source>E</source>
        <translation>T</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Kiblat</translation>
    </message>
    <message>
        <source>Qibla determination method</source>
        <translation>Kaedah penentuan kiblat</translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation>Dari utara geografi</translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation>Dari utara magnet</translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation>Dari bayang-bayang Matahari</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Qibla for %1</source>
        <translation>Kiblat untuk %1</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Geographic North</source>
        <translation>Pilih untuk mengira arah kiblat mengikut arah jam dari utara geografi</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation>Pilih untuk mengira arah kiblat mengikut arah jam dari utara magnet</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation>Pilih untuk mengira arah kiblat mengikut arah jam dari arah bayang-bayang Matahari</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::TodayPanel</name>
    <message>
        <source>Today</source>
        <translation>Hari ini</translation>
    </message>
    <message>
        <source>%1 tomorrow in %2</source>
        <translation>%1 esok dalam %2</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dalam %2</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1, %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <comment>day, Hijri month, Hijri year</comment>
        <translation>%1 %2 %3 H</translation>
    </message>
</context>
</TS>
