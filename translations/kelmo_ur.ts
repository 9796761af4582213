<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation>نماز کے درست وقت کا حساب نہ ہو سکا!</translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation>ترتیبات کی فائل کھل نہ سکی!</translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation>ترتیبات کی فائل خالی ہے!</translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation>ترتیبات کی فائل خراب ہے!</translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation>طے شدہ مقام ترتیبات کی فائل میں نہیں ملا!</translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation>ترتیبات کی فائل بنائی نہ جا سکی!</translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation>ترتیبات کی فائل میں لکھا نہ جا سکا!</translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation>ترتیبات کی فائل لکھنے کے لیے کھل نہ سکی!</translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation>آواز کے لیے منتخب فقہ اور نمازیں آپس میں میل نہیں کھاتیں!</translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation>ساؤنڈ پلیئر نہیں ملا!</translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation>آواز کی فائل کھل نہ سکی!</translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation>آواز کی فائل کھل نہ سکی (وقت سے پہلے کی آواز)!</translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation>آواز کے لیے کوئی نماز منتخب نہیں!</translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation>موجودہ فولڈر کا راستہ نہ مل سکا!</translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation>Windows رجسٹری کھل نہ سکی!</translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation>Windows رجسٹری میں تبدیلی نہ ہو سکی!</translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation>عارضی فائل کھل نہ سکی!</translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation>ترتیبات کی فائل بہت بڑی ہے!</translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation>مقام کا ٹائم زون پڑھا نہ جا سکا!</translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation>مقام کا نام لکھنا ضروری ہے!</translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation>عرض بلد کی قدر غلط ہے!</translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation>طول بلد کی قدر غلط ہے!</translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation>ٹائم زون کی قدر غلط ہے!</translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation>گرمائی وقت کے آغاز کی تاریخ غلط ہے!</translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation>گرمائی وقت کے اختتام کی تاریخ غلط ہے!</translation>
    </message>
    <message>
        <source>Incorrect Fajr angle!</source>
        <translation>فجر کا زاویہ غلط ہے!</translation>
    </message>
    <message>
        <source>Incorrect Imsak angle!</source>
        <translation>امساک کا زاویہ غلط ہے!</translation>
    </message>
    <message>
        <source>Invalid date is chosen!</source>
        <translation>منتخب تاریخ درست نہیں!</translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation>منتخب تاریخ تبدیل نہ ہو سکی!</translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation>تاریخ ام القریٰ تقویم (1300-1600 ہجری) سے باہر ہے!</translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation>آؤٹ پٹ فائل کھل نہ سکی!</translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation>آؤٹ پٹ فائل میں لکھا نہ جا سکا!</translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation>آؤٹ پٹ فائل دکھائی نہ جا سکی!</translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation>ساؤنڈ پلیئر شروع نہ ہو سکا!</translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation>ساؤنڈ پلیئر بند نہ ہو سکا!</translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation>KelmoTimes شروع نہ ہو سکا!</translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation>کمانڈ لائن پڑھی نہ جا سکی!</translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation>اطلاع دہندہ کی ونڈو چھوٹی نہ ہو سکی!</translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation>قبلہ کی معلومات پڑھی نہ جا سکیں!</translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation>Kelmo ٹائمر یا Kelmo اطلاع دہندہ پہلے سے چل رہا ہے!</translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation>ٹائمر اور اطلاع دہندہ کا عمل تازہ نہ ہو سکا!</translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation>کیفیت دکھائی نہ جا سکی!</translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation>قبلہ کی سمت کا حساب ممکن نہیں!</translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation>کیا آپ ترتیبات کی نئی فائل بنانا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>نامعلوم خرابی!</translation>
    </message>
</context>
<context>
    <name>kelmo::platform::MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Athan</name>
    <message>
        <source>It is time for %1 prayer</source>
        <translation>%1 کی نماز کا وقت ہو گیا</translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation>%1 کی نماز %2 بجے شروع ہوئی</translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation>یہ نماز %1 منٹ پہلے شروع ہوئی</translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation>یہ نماز %1 گھنٹے %2 منٹ پہلے شروع ہوئی</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Today is %1,</source>
        <translation>آج %1 ہے،</translation>
    </message>
    <message>
        <source>%1/%2/%3 AD</source>
        <translation>%1/%2/%3 عیسوی</translation>
    </message>
    <message>
        <source>%1/%2/%3 AH</source>
        <translation>%1/%2/%3 ہجری</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 میں</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::BackgroundMode</name>
    <message>
        <source>Kelmo Timer not started: </source>
        <translation>Kelmo ٹائمر شروع نہیں ہوا: </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation>KelmoTimes کے بارے میں</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoDlg</name>
    <message>
        <source>Input</source>
        <translation>اندراج</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>حساب</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation>مطلوبہ تاریخ مقرر کرنے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>مقام</translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation>مقام منتخب کرنے یا مقامات میں ترمیم کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>ترتیبات</translation>
    </message>
    <message>
        <source>Press to manipulate configuration parameters</source>
        <translation>ترتیبات میں ترمیم کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>نماز</translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation>اوقات نماز کا حساب کرنے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>چاند</translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation>چاند کی معلومات اور ہجری مہینے کے آغاز کے حساب کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>قبلہ</translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation>قبلہ کی سمت اور مکہ تک فاصلے کے حساب کے لیے دبائیں</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مدد</translation>
    </message>
    <message>
        <source>Press to view the online help</source>
        <translation>مدد دیکھنے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خارج ہوں</translation>
    </message>
    <message>
        <source>Press to terminate the program</source>
        <translation>پروگرام بند کرنے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;چھوٹا کریں</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بند کریں</translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation>نماز کا چا&amp;رٹ...</translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation>KelmoTimes &amp;کے بارے میں</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoFrm</name>
    <message>
        <source>Status</source>
        <translation>کیفیت</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>KelmoTimes شروع کریں</translation>
    </message>
    <message>
        <source>Terminate Timer</source>
        <translation>ٹائمر بند کریں</translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation>ٹائمر اور اطلاع دہندہ بند کریں</translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation>%1 (اگلی)</translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation>KelmoTimes: کوئی نماز طے نہیں</translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation>اگلی نماز: %1، %2 بجے
باقی وقت: %3
%4 میں</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%2 میں %1</translation>
    </message>
    <message>
        <source>Kelmo Timer is active 
%1 prayer starts at %2 
in %3</source>
        <translation>Kelmo ٹائمر فعال ہے 
%1 کی نماز %2 بجے شروع ہوگی 
%3 میں</translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation>Kelmo.cfg پڑھی نہ جا سکی؛ ٹائمر آخری درست ترتیبات سے چل رہا ہے۔</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation>فجر و عشاء کے لیے مقررہ منٹ</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>ترتیبات</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>فقہ</translation>
    </message>
    <message>
        <source>Imsak angle</source>
        <translation>امساک کا زاویہ</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation>فجر کا زاویہ</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>عشاء کا زاویہ</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>درستی</translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation>بلند عرض بلد کا قاعدہ</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation>ہجری تقویم میں تصحیح</translation>
    </message>
    <message>
        <source>days</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation>اوقات نماز میں تصحیح</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>سیکنڈ</translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation>رؤیت ہلال کی حد</translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation>مغرب میں اضافہ</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>Distance from center</source>
        <translation>مرکز سے فاصلہ</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Sound and Notifier</source>
        <translation>آواز اور اطلاع دہندہ</translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation>اطلاع دہندہ فعال کریں</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>چلائیں</translation>
    </message>
    <message>
        <source>sound file</source>
        <translation>آواز کی فائل</translation>
    </message>
    <message>
        <source>at</source>
        <translation>بوقت</translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation>منٹ نماز کے وقت سے پہلے</translation>
    </message>
    <message>
        <source>Open month and year reports with</source>
        <translation>ماہانہ و سالانہ رپورٹیں اس سے کھولیں</translation>
    </message>
    <message>
        <source>program</source>
        <translation>پروگرام</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Choose the applied Fiqh from list</source>
        <translation>فہرست سے رائج فقہ منتخب کریں</translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation>امساک کے زاویے کے درجے مقرر کریں (-20 تا -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation>امساک کے زاویے کے منٹ مقرر کریں (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation>فجر کے زاویے کے درجے مقرر کریں (امساک/عشاء کے زاویے سے -1 تک)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation>فجر کے زاویے کے منٹ مقرر کریں (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation>عشاء کے زاویے کے درجے مقرر کریں (-20 تا -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation>عشاء کے زاویے کے منٹ مقرر کریں (0-59)</translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation>مغرب کے وقت میں جمع ہونے والے منٹ مقرر کریں</translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation>فہرست سے چنیں کہ نتائج منٹوں میں دکھیں یا سیکنڈوں میں۔ اس سے حساب پر اثر نہیں پڑتا</translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation>فہرست سے بلند عرض بلد کا قاعدہ منتخب کریں۔ عام اوقات کا حساب ممکن نہ ہو تو یہ قاعدہ متبادل اوقات نماز نکالتا ہے</translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation>جس علاقے کا حساب چاہیے اس کا نصف قطر کلومیٹر میں مقرر کریں (0-100)</translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation>تصحیحی سیکنڈ مقرر کریں: یہ حساب کی ممکنہ غلطی کی تلافی کے لیے اوقات نماز میں جمع یا ان سے تفریق ہوتے ہیں</translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation>رؤیت کی حد درجوں میں مقرر کریں (0-20)</translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation>رؤیت کی حد منٹوں میں مقرر کریں (0-59)</translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation>عیسوی کے مقابلے میں ہجری تاریخ کی تصحیح کے دن مقرر کریں (0-3 دن)</translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation>اطلاع دہندہ فعال کرنے کے لیے یہ خانہ نشان زد کریں</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation>نماز کا وقت ہونے پر کمپیوٹر سے WAV آواز کی فائل چلانے کے لیے یہ خانہ نشان زد کریں</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation>نماز سے چند منٹ پہلے کمپیوٹر سے WAV آواز کی فائل چلانے کے لیے یہ خانہ نشان زد کریں</translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation>آواز کی فائل منتخب کرنے کے لیے یہاں دبائیں</translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation>چلنے والی آواز کی فائل کا نام لکھیں۔ مکمل راستہ ضروری ہے</translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation>جس نماز کے وقت کمپیوٹر سے آواز کی فائل چلانی ہو اس کا خانہ نشان زد کریں</translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation>منٹوں کی تعداد بتاتی ہے کہ آواز کی فائل نماز کے وقت سے کتنے منٹ پہلے چلے گی</translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation>ماہانہ و سالانہ رپورٹیں (Kelmo.out) کھولنے والا پروگرام منتخب کریں یا اس کا نام لکھیں؛ “ڈیسک ٹاپ کا طے شدہ” انہیں ویسے کھولتا ہے جیسے ڈیسک ٹاپ متن کی فائلیں کھولتا ہے</translation>
    </message>
    <message>
        <source>Press here to select the program</source>
        <translation>پروگرام منتخب کرنے کے لیے یہاں دبائیں</translation>
    </message>
    <message>
        <source>Press to cancel the changes.</source>
        <translation>تبدیلیاں منسوخ کرنے کے لیے دبائیں۔</translation>
    </message>
    <message>
        <source>Press to confirm the changes.</source>
        <translation>تبدیلیوں کی تصدیق کے لیے دبائیں۔</translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation>%1 کا خودکار آغاز فولڈر تبدیل نہ ہو سکا!	</translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation>خودکار آغاز کا اندراج %1 لکھا یا ہٹایا نہ جا سکا!	</translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation>ڈیسک ٹاپ کا طے شدہ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation>پروگرام کی زبان منتخب کریں؛ “سسٹم” ڈیسک ٹاپ کی زبان اپناتا ہے</translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation>KelmoTimes اگلی بار شروع ہونے پر منتخب زبان اپنائے گا۔</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سسٹم</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartPicture</name>
    <message>
        <source>supplied by the rule &quot;%1&quot;</source>
        <translation>قاعدہ “%1” کے مطابق</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>گرمائی وقت</translation>
    </message>
    <message>
        <source>today</source>
        <translation>آج</translation>
    </message>
    <message>
        <source>first day of a Hijri month (crescent at the place)</source>
        <translation>ہجری مہینے کا پہلا دن (مقام پر ہلال)</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation>%1 کا نماز چارٹ</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>&amp;PNG میں محفوظ کریں...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>&amp;SVG میں محفوظ کریں...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بند کریں</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>پورا عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>%1 اور %2 کے درمیان پورا عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>%1 سے زیادہ حروف درج نہ کریں۔</translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation>کنٹرول حروف درج نہ کریں (جیسے سطر کا اختتام، ٹیب یا ESC)۔</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DateDlg</name>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Type of calculation</source>
        <translation>حساب کی قسم</translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation>ایک دن کا حساب</translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation>ایک مہینے کا حساب</translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation>ایک سال کا حساب</translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation>تاریخ کی قسم</translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation>عیسوی</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>مقرر کریں</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تبدیل کریں</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation>ایک دن، مہینے یا سال کے حساب کے لیے ایک انتخاب نشان زد کریں</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation>تاریخ کی قسم (عیسوی یا ہجری) کے لیے ایک انتخاب نشان زد کریں</translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation>مطلوبہ دن مقرر کریں</translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation>مطلوبہ مہینہ منتخب کریں</translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation>مطلوبہ سال منتخب کریں (ہجری سال کے لیے 1 سے 6000 تک اور عیسوی کے لیے -2000 سے 6000 تک)</translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation>تبدیلیاں منسوخ کرنے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation>تبدیلیوں کی تصدیق کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation>منتخب تاریخ تبدیل کرنے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation>منتخب تاریخ: %1، %2/%3/%4 عیسوی</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation>منتخب تاریخ: %1، %2/%3/%4 ہجری</translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation>منتخب تاریخ ہجرت سے پہلے کی ہے                   </translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation>منتخب تاریخ ام القریٰ تقویم (1300 تا 1600 ہجری) سے باہر ہے</translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation>درست ہجری تاریخ کا حساب نہ ہو سکا                </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation>وہ مقام منتخب کریں جس کے اوقات نماز آپ کو چاہییں، اور اپنا فقہی مسلک۔ مرکزی ونڈو کے “مقام” اور “ترتیبات” بٹن انہیں بعد میں بدلتے ہیں۔</translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation>KelmoTimes میں خوش آمدید</translation>
    </message>
    <message>
        <source>School of law</source>
        <translation>فقہی مسلک</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>حساب کا طریقہ</translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation>فہرست کا کوئی مقام</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>تلاش</translation>
    </message>
    <message>
        <source>A new place</source>
        <translation>نیا مقام</translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation>شہر، ملک</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation>عرض بلد (شمال +)</translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation>طول بلد (مشرق +)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>ٹائم زون</translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation>نئے مقام کا نام درج کریں۔</translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation>یہ مقام فہرست میں ہے: وہیں سے منتخب کریں۔</translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation>فہرست سے ٹائم زون منتخب کریں۔</translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation>فہرست سے مقام منتخب کریں۔</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::HelpWindow</name>
    <message>
        <source>KelmoTimes Help</source>
        <translation>KelmoTimes مدد</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>مدد کھل نہ سکی۔</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::LocDlg</name>
    <message>
        <source>First</source>
        <translation>پہلا</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>دوسرا</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>تیسرا</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>چوتھا</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>آخری</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a week of the month and a weekday</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>مقام</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>نیا نام</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>عرض بلد</translation>
    </message>
    <message>
        <source>N</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>S</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>طول بلد</translation>
    </message>
    <message>
        <source>E</source>
        <translation>مشرق</translation>
    </message>
    <message>
        <source>W</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ٹائم زون</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>گھنٹے</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>بلندی</translation>
    </message>
    <message>
        <source>DST Available</source>
        <translation>گرمائی وقت</translation>
    </message>
    <message>
        <source>No</source>
        <translation>نہیں</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ہاں</translation>
    </message>
    <message>
        <source>DST Start date</source>
        <translation>گرمائی وقت کا آغاز</translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation>گرمائی وقت کا اختتام</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>ٹائم زون</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>SelectPlace</source>
        <translation>مقام چنیں</translation>
    </message>
    <message>
        <source>SelectHome</source>
        <translation>بنیادی بنائیں</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تبدیل کریں</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ہٹائیں</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation>مقام کا نام لکھیں</translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation>عرض بلد درجوں میں مقرر کریں (0-90)</translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation>عرض بلد منٹوں میں مقرر کریں (0-59)</translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation>عرض بلد سیکنڈوں میں مقرر کریں (0-59)۔ ضرورت نہ ہو تو صفر رکھیں</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation>عرض بلد کی سمت (شمال یا جنوب) کے لیے ایک انتخاب نشان زد کریں</translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation>طول بلد درجوں میں مقرر کریں (0-180)</translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation>طول بلد منٹوں میں مقرر کریں (0-59)</translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation>طول بلد سیکنڈوں میں مقرر کریں (0-59)۔ ضرورت نہ ہو تو صفر رکھیں</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation>طول بلد کی سمت (مشرق یا مغرب) کے لیے ایک انتخاب نشان زد کریں</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation>ٹائم زون کی علامت منتخب کریں: مقام گرینچ کے مشرق میں ہو تو + اور مغرب میں ہو تو -</translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation>ٹائم زون کے گھنٹے مقرر کریں (0-24)</translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation>ٹائم زون کے منٹ مقرر کریں (0-59)</translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation>مقام کی بلندی میٹر میں مقرر کریں (-999 تا 9999)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation>گرمائی وقت (DST) لاگو ہے یا نہیں، اس کے لیے ایک انتخاب نشان زد کریں</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation>فہرست سے وہ دن چنیں جب گرمائی وقت شروع ہو</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation>فہرست سے وہ مہینہ چنیں جب گرمائی وقت شروع ہو</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation>فہرست سے وہ دن چنیں جب گرمائی وقت ختم ہو</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation>فہرست سے وہ مہینہ چنیں جب گرمائی وقت ختم ہو</translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation>مقام ڈیٹا بیس میں شامل کرنے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation>مقام ڈیٹا بیس سے ہٹانے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation>مقام کا ڈیٹا بدلنے کے لیے دبائیں۔ یاد رکھیں، مقام کا نام نہیں بدلا جا سکتا؛ اسے ہٹا کر دوبارہ شامل کریں</translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation>منتخب مقام کو ہمیشہ کے لیے طے شدہ بنانے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation>منتخب مقام کو صرف اس نشست کے لیے طے شدہ بنانے کے لیے دبائیں (KelmoTimes دوبارہ شروع ہونے پر بنیادی مقام ہی طے شدہ ہوگا)</translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation>مقام کی ونڈو بند کرنے کے لیے دبائیں</translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation>مقام کا ٹائم زون منتخب کریں (تلاش کے لیے لکھیں) تاکہ گھڑی اور گرمائی وقت سسٹم کے ٹائم زون ڈیٹا بیس سے آئیں، یا “کوئی نہیں”</translation>
    </message>
    <message>
        <source>none</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation>مزید مقامات شامل نہیں ہو سکتے!	
</translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation>یہ مقام پہلے سے ڈیٹا بیس میں ہے!	
</translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation>یہ مقام ڈیٹا بیس میں موجود نہیں!	
</translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation>اسے ہٹانے سے پہلے کوئی اور بنیادی مقام چنیں!	
</translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation>مقام کا نام لکھنا ضروری ہے!	
</translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation>فہرست سے ٹائم زون چنیں، یا “کوئی نہیں”!	
</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation>حساب کا طریقہ</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>ہجری تقویم</translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation>وہ ادارہ منتخب کریں جس کا طریقہ آپ کی مسجد اپناتی ہے؛ “Custom” آپ کے زاویے رکھتا ہے</translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation>ہجری تاریخوں کی تقویم منتخب کریں: مقام پر ہلال کی رؤیت، سرکاری ام القریٰ تقویم (1300 تا 1600 ہجری) یا جدولی تقویم</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation>%1 کی نماز %2 بجے شروع ہوگی</translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation>مینو دیکھنے کے لیے دبائیں۔</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>عمل</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>چھوٹا کریں</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>KelmoTimes شروع کریں</translation>
    </message>
    <message>
        <source>Close Notifier</source>
        <translation>اطلاع دہندہ بند کریں</translation>
    </message>
    <message>
        <source>Close Notifier and Timer</source>
        <translation>اطلاع دہندہ اور ٹائمر بند کریں</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>باقی وقت: %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation>سایہ</translation>
    </message>
    <message>
        <source>N</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>E</source>
        <translation>مشرق</translation>
    </message>
    <message>
        <source>S</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>W</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>قبلہ</translation>
    </message>
    <message>
        <source>Qibla determination method</source>
        <translation>قبلہ معلوم کرنے کا طریقہ</translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation>جغرافیائی شمال سے</translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation>مقناطیسی شمال سے</translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation>سورج کے سائے سے</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Qibla for %1</source>
        <translation>%1 کا قبلہ</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Geographic North</source>
        <translation>جغرافیائی شمال سے گھڑی کی سمت میں قبلہ کی سمت کے حساب کے لیے نشان زد کریں</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation>مقناطیسی شمال سے گھڑی کی سمت میں قبلہ کی سمت کے حساب کے لیے نشان زد کریں</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation>سورج کے سائے کی سمت سے گھڑی کی سمت میں قبلہ کی سمت کے حساب کے لیے نشان زد کریں</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::TodayPanel</name>
    <message>
        <source>Today</source>
        <translation>آج</translation>
    </message>
    <message>
        <source>%1 tomorrow in %2</source>
        <translation>%1 کل، %2 باقی</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1، %2 باقی</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1، %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <comment>day, Hijri month, Hijri year</comment>
        <translation>%1 %2 %3 ہجری</translation>
    </message>
</context>
</TS>
