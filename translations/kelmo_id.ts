<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation>Waktu salat yang sah tidak dapat dihitung!</translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation>Tidak dapat membuka berkas konfigurasi!</translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation>Berkas konfigurasi kosong!</translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation>Berkas konfigurasi rusak!</translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation>Lokasi bawaan tidak ditemukan dalam berkas konfigurasi!</translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation>Tidak dapat membuat berkas konfigurasi!</translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation>Tidak dapat menulis ke berkas konfigurasi!</translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation>Tidak dapat membuka berkas konfigurasi untuk ditulis!</translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation>Kombinasi mazhab dan salat yang dipilih untuk pemutaran suara tidak sah!</translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation>Pemutar suara tidak ditemukan!</translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation>Tidak dapat membuka berkas suara!</translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation>Tidak dapat membuka berkas suara (suara pengingat)!</translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation>Belum ada salat yang dipilih untuk suara!</translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation>Tidak dapat membaca jalur direktori saat ini!</translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation>Tidak dapat membuka Registri Windows!</translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation>Tidak dapat mengubah Registri Windows!</translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation>Tidak dapat membuka berkas sementara!</translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation>Berkas konfigurasi terlalu besar!</translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation>Tidak dapat membaca zona waktu lokasi!</translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation>Anda harus mengetikkan nama lokasi!</translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation>Nilai lintang salah!</translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation>Nilai bujur salah!</translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation>Nilai zona waktu salah!</translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation>Tanggal mulai DST salah!</translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation>Tanggal akhir DST salah!</translation>
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
        <translation>Tanggal yang dipilih tidak sah!</translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation>Tanggal pilihan tidak dapat dikonversi!</translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation>Tanggal di luar kalender Umm al-Qura (1300-1600 H)!</translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation>Tidak dapat membuka berkas keluaran!</translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation>Tidak dapat menulis ke berkas keluaran!</translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation>Berkas keluaran tidak dapat dilihat!</translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation>Tidak dapat menjalankan pemutar suara!</translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation>Tidak dapat menghentikan pemutar suara!</translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation>Tidak dapat menjalankan KelmoTimes!</translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation>Tidak dapat membaca baris perintah!</translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation>Tidak dapat meminimalkan jendela Notifier!</translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation>Tidak dapat membaca informasi kiblat!</translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation>Kelmo Timer atau Kelmo Notifier sudah berjalan!</translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation>Tidak dapat memperbarui proses Timer dan Notifier!</translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation>Gagal menampilkan status!</translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation>Arah kiblat tidak dapat dihitung!</translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation>Apakah Anda ingin membuat berkas konfigurasi baru?</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Galat tak dikenal!</translation>
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
        <translation>Waktunya salat %1</translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation>Salat %1 mulai pukul %2</translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation>Salat ini dimulai %1 menit lalu</translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation>Salat ini dimulai %1 jam %2 menit lalu</translation>
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
        <translation>Kelmo Timer gagal dimulai: </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation>Tentang KelmoTimes</translation>
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
        <translation>Masukan</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Hitung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation>Klik untuk memilih tanggal</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation>Klik untuk memilih atau mengubah basis data lokasi</translation>
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
        <translation>Salat</translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation>Klik untuk menghitung waktu salat</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation>Klik untuk menghitung data Bulan dan awal bulan Hijriah</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Kiblat</translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation>Klik untuk menghitung arah kiblat dan jarak ke Makkah</translation>
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
        <translation>Klik untuk menutup program</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimalkan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation>&amp;Grafik salat...</translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation>T&amp;entang KelmoTimes</translation>
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
        <translation>Hentikan Timer</translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation>Hentikan Timer dan Notifier</translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation>%1 (berikut)</translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation>KelmoTimes: tidak ada salat terjadwal</translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation>Salat berikut: %1 pukul %2
Sisa waktu: %3
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
Salat %1 mulai pukul %2 
di %3</translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation>Kelmo.cfg tidak dapat dibaca; Timer tetap memakai pengaturan valid terakhir.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation>n menit untuk Subuh dan Isya</translation>
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
        <translation>Sudut Isya</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Ketelitian</translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation>Aturan lintang tinggi</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation>Sesuaikan kalender Hijriah</translation>
    </message>
    <message>
        <source>days</source>
        <translation>hari</translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation>Koreksi waktu salat</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>detik</translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation>Batas visibilitas Bulan</translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation>Tambah ke waktu Maghrib</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>menit</translation>
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
        <translation>Suara dan Notifier</translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation>Aktifkan Notifier</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>sound file</source>
        <translation>berkas suara</translation>
    </message>
    <message>
        <source>at</source>
        <translation>pada</translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation>menit sebelum waktu salat</translation>
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
        <translation>Pilih mazhab yang dipakai dari daftar</translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation>Atur derajat sudut Imsak (-20 sampai -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation>Atur menit sudut Imsak (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation>Atur derajat sudut Subuh (dari nilai sudut Imsak/Isya sampai -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation>Atur menit sudut Subuh (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation>Atur derajat sudut Isya (-20 sampai -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation>Atur menit sudut Isya (0-59)</translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation>Atur jumlah menit yang ditambahkan ke waktu Maghrib</translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation>Pilih dari daftar apakah hasil ditampilkan dalam menit atau detik. Pengaturan ini tidak memengaruhi perhitungan</translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation>Pilih dari daftar aturan untuk lintang tinggi. Aturan ini dipakai untuk menghitung waktu salat pengganti bila waktu biasa tidak dapat dihitung</translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation>Atur jari-jari wilayah yang ingin dihitung, dalam kilometer (0-100)</translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation>Atur jumlah detik koreksi. Detik koreksi adalah detik yang ditambahkan ke atau dikurangkan dari waktu salat untuk mengimbangi kemungkinan galat perhitungan</translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation>Atur batas visibilitas dalam derajat (0-20)</translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation>Atur batas visibilitas dalam menit (0-59)</translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation>Atur jumlah hari penyesuaian Julian/Gregorius terhadap Hijriah (0-3 hari)</translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation>Centang kotak ini untuk mengaktifkan Notifier</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation>Centang kotak ini agar PC Anda memutar berkas suara WAV saat waktu salat tiba</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation>Centang kotak ini agar PC Anda memutar berkas suara WAV beberapa menit sebelum waktu salat</translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation>Klik di sini untuk memilih berkas suara</translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation>Atur nama berkas suara yang akan diputar. Jalur lengkap diperlukan</translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation>centang kotak salat yang saat waktunya tiba PC harus memutar berkas suara</translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation>Jumlah menit menunjukkan berapa menit sebelum waktu salat berkas suara diputar</translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation>Pilih program yang membuka laporan bulanan dan tahunan (Kelmo.out), atau ketik namanya; bawaan desktop membukanya seperti desktop membuka berkas teks</translation>
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
        <translation>Klik untuk menerapkan perubahan.</translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation>Tidak dapat mengubah folder mulai otomatis %1!	</translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation>Tidak dapat menulis atau menghapus entri mulai otomatis %1!	</translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation>bawaan desktop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation>Pilih bahasa jendela program; Sistem mengikuti bahasa desktop</translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation>KelmoTimes memakai bahasa yang dipilih setelah dijalankan ulang.</translation>
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
        <translation>diberikan oleh aturan &quot;%1&quot;</translation>
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
        <translation>hari pertama bulan Hijriah (hilal di tempat)</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation>Grafik Salat untuk %1</translation>
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
        <translation>Masukkan bilangan bulat.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Masukkan bilangan bulat antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Masukkan paling banyak %1 karakter.</translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation>Jangan masukkan karakter kontrol (seperti akhir baris, tab, atau ESC).</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DateDlg</name>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Type of calculation</source>
        <translation>Jenis perhitungan</translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation>Hitung untuk sehari</translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation>Hitung untuk sebulan</translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation>Hitung untuk setahun</translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation>Jenis tanggal</translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation>Julian-Gregorius</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijriah</translation>
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
        <translation>Atur</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konversi</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation>Pilih salah satu tombol radio untuk menghitung bagi sehari, sebulan, atau setahun</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation>Pilih salah satu tombol radio untuk memilih jenis tanggal (Julian/Gregorius atau Hijriah)</translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation>Atur hari yang diinginkan</translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation>Pilih bulan yang diinginkan</translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation>Pilih tahun yang diinginkan (tahun Hijriah dari 1 sampai 6000, tahun Julian/Gregorius dari -2000 sampai 6000)</translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation>Klik untuk membatalkan perubahan</translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation>Klik untuk menerapkan perubahan</translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation>Klik untuk mengonversi tanggal</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation>Tanggal yang dipilih bertepatan dengan %1, %2/%3/%4 M</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation>Tanggal yang dipilih bertepatan dengan %1, %2/%3/%4 H</translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation>Tanggal yang dipilih sebelum Hijriah                   </translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation>Tanggal yang dipilih di luar kalender Umm al-Qura (1300 sampai 1600 H)</translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation>Tanggal Hijriah yang sah tidak dapat dihitung                </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation>Pilih tempat yang waktu salatnya Anda inginkan dan mazhab Anda. Tombol Lokasi dan Konfigurasi di jendela utama dapat mengubahnya nanti.</translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation>Selamat datang di KelmoTimes</translation>
    </message>
    <message>
        <source>School of law</source>
        <translation>Mazhab</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Metode perhitungan</translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation>Tempat dari daftar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>A new place</source>
        <translation>Tempat baru</translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation>Kota,Negara</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation>Lintang (utara +)</translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation>Bujur (timur +)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona waktu</translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation>Masukkan nama tempat baru.</translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation>Tempat ini ada di daftar: pilih di sana.</translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation>Pilih zona waktu dari daftar.</translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation>Pilih tempat dari daftar.</translation>
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
        <translation>Nama Baru</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Lintang</translation>
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
        <translation>Bujur</translation>
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
        <translation>Zona Waktu</translation>
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
        <translation>Menit</translation>
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
        <translation>Mulai DST</translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation>Akhir DST</translation>
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
        <translation>Zona waktu</translation>
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
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation>Atur nama lokasi</translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation>Atur nilai lintang dalam derajat (0-90)</translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation>Atur nilai lintang dalam menit (0-59)</translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation>Atur nilai lintang dalam detik (0-59). Isi nol bila tidak dipakai</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation>Pilih salah satu tombol radio untuk arah lintang (Utara atau Selatan)</translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation>Atur nilai bujur dalam derajat (0-180)</translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation>Atur nilai bujur dalam menit (0-59)</translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation>Atur nilai bujur dalam detik (0-59). Isi nol bila tidak dipakai</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation>Pilih salah satu tombol radio untuk arah bujur (Timur atau Barat)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation>Pilih salah satu tombol radio untuk tanda zona waktu. Pilih + bila lokasi di timur Greenwich dan - bila di barat</translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation>Atur jumlah jam zona waktu (0-24)</translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation>Atur jumlah menit zona waktu (0-59)</translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation>Atur ketinggian lokasi dalam meter (-999 sampai 9999)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation>Pilih salah satu tombol radio untuk menandai apakah waktu musim panas (DST) dipakai atau tidak</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation>Pilih dari daftar hari DST dimulai</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation>Pilih dari daftar bulan DST dimulai</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation>Pilih dari daftar hari DST berakhir</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation>Pilih dari daftar bulan DST berakhir</translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation>Klik untuk menambahkan lokasi ke basis data</translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation>Klik untuk menghapus lokasi dari basis data</translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation>Klik untuk mengubah data lokasi. Ingat, nama lokasi TIDAK dapat diubah. Hapus lokasi, lalu tambahkan lagi</translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation>Klik untuk menjadikan lokasi terpilih sebagai lokasi bawaan tetap</translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation>Klik untuk menjadikan lokasi terpilih sebagai bawaan sesi ini (saat KelmoTimes dijalankan ulang, lokasi utama kembali menjadi bawaan)</translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation>Klik untuk menutup dialog Lokasi</translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation>Pilih zona waktu lokasi (ketik untuk mencari) agar jam dan waktu musim panasnya diambil dari basis data zona waktu sistem, atau tidak ada</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation>Lokasi tidak dapat ditambah lagi!	
</translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation>Lokasi sudah ada di basis data!	
</translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation>Lokasi tidak ada di basis data!	
</translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation>Pilih lokasi utama lain sebelum menghapus yang ini!	
</translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation>Anda harus mengetikkan nama lokasi!	
</translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation>Pilih zona waktu dari daftar, atau tidak ada!	
</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation>Metode perhitungan</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>Kalender Hijriah</translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation>Pilih otoritas yang metodenya diikuti masjid Anda; Custom mempertahankan sudut yang Anda atur</translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation>Pilih kalender tanggal Hijriah: hilal yang terlihat di tempat, kalender resmi Umm al-Qura (1300 sampai 1600 H), atau kalender tabular</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation>Salat %1 mulai pukul %2</translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation>Klik untuk melihat menu.</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Aksi</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalkan</translation>
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
        <translation>Sisa waktu: %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation>Bayangan</translation>
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
        <translation>Metode penentuan kiblat</translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation>Dari utara geografis</translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation>Dari utara magnetis</translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation>Dari bayangan Matahari</translation>
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
        <translation>Pilih untuk menghitung arah kiblat searah jarum jam dari utara geografis</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation>Pilih untuk menghitung arah kiblat searah jarum jam dari utara magnetis</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation>Pilih untuk menghitung arah kiblat searah jarum jam dari arah bayangan Matahari</translation>
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
        <translation>%1 besok dalam %2</translation>
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
