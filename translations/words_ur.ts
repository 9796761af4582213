<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>Prayer</name>
    <message>
        <source>Imsak</source>
        <translation>امساک</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>زوال</translation>
    </message>
    <message>
        <source>Duhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
</context>
<context>
    <name>HijriMonth</name>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Rabi'I</source>
        <translation>ربیع الاول</translation>
    </message>
    <message>
        <source>Rabi'II</source>
        <translation>ربیع الثانی</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادی الاول</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادی الثانی</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha'ban</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Thu Al-Qa'da</source>
        <translation>ذوالقعدہ</translation>
    </message>
    <message>
        <source>Thu Al-Hijja</source>
        <translation>ذوالحجہ</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>جنوری</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فروری</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارچ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>اپریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مئی</translation>
    </message>
    <message>
        <source>June</source>
        <translation>جون</translation>
    </message>
    <message>
        <source>July</source>
        <translation>جولائی</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اگست</translation>
    </message>
    <message>
        <source>September</source>
        <translation>ستمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نومبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسمبر</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>پیر</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>منگل</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>بدھ</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>جمعرات</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>ہفتہ</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>اتوار</translation>
    </message>
</context>
<context>
    <name>ShortWeekday</name>
    <message>
        <source>Mon</source>
        <translation>پیر</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>منگل</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>بدھ</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>جمعرات</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>ہفتہ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>اتوار</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>First</source>
        <translation>پہلا</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>دوسرا</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>تیسرا</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>چوتھا</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>آخری</translation>
    </message>
</context>
<context>
    <name>Fiqh</name>
    <message>
        <source>Jafari</source>
        <translation>جعفری</translation>
    </message>
    <message>
        <source>Shafi'i</source>
        <translation>شافعی</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>حنفی</translation>
    </message>
    <message>
        <source>Maliki</source>
        <translation>مالکی</translation>
    </message>
    <message>
        <source>Hanbali</source>
        <translation>حنبلی</translation>
    </message>
</context>
<context>
    <name>Precision</name>
    <message>
        <source>Seconds</source>
        <translation>سیکنڈ</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>منٹ</translation>
    </message>
</context>
<context>
    <name>HighLatitudeRule</name>
    <message>
        <source>Non</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>1/7 of day when needed</source>
        <translation>ضرورت پر دن کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>1/7 of day always</source>
        <translation>ہمیشہ دن کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>1/7 of night when needed</source>
        <translation>ضرورت پر رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>1/7 of night always</source>
        <translation>ہمیشہ رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>Nearest location-all prayers</source>
        <translation>قریب ترین مقام - تمام نمازیں</translation>
    </message>
    <message>
        <source>Nearest location-needed prayers</source>
        <translation>قریب ترین مقام - ضروری نمازیں</translation>
    </message>
    <message>
        <source>Nearest day-all prayers</source>
        <translation>قریب ترین دن - تمام نمازیں</translation>
    </message>
    <message>
        <source>Nearest day-needed prayers</source>
        <translation>قریب ترین دن - ضروری نمازیں</translation>
    </message>
    <message>
        <source>minutes for Fajr and Isha prayers</source>
        <translation>فجر اور عشاء کے لیے منٹ</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Crescent at the place</source>
        <translation>مقام پر ہلال</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>ام القریٰ</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>جدولی</translation>
    </message>
</context>
<context>
    <name>Marker</name>
    <message>
        <source>NotValid</source>
        <translation>ناقابل</translation>
    </message>
    <message>
        <source>AlwAbove</source>
        <translation>ہمیشہ اوپر</translation>
    </message>
    <message>
        <source>AlwBelow</source>
        <translation>ہمیشہ نیچے</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Location:</source>
        <translation>مقام:</translation>
    </message>
    <message>
        <source>Latitude %s, Longitude %s,</source>
        <translation>عرض بلد %s، طول بلد %s،</translation>
    </message>
    <message>
        <source>Height: %d meters ASL, Time Zone: %2.2f,</source>
        <translation>بلندی: %d میٹر سطح سمندر سے اوپر، ٹائم زون: %2.2f،</translation>
    </message>
    <message>
        <source>Summer Time as in time zone %s</source>
        <translation>موسم گرما کا وقت جیسا کہ ٹائم زون %s میں</translation>
    </message>
    <message>
        <source>No Summer Time available</source>
        <translation>موسم گرما کا وقت نہیں</translation>
    </message>
    <message>
        <source>Summer Time starts at: %s</source>
        <translation>موسم گرما کا وقت شروع: %s</translation>
    </message>
    <message>
        <source>Summer Time ends at: %s</source>
        <translation>موسم گرما کا وقت ختم: %s</translation>
    </message>
    <message>
        <source>%s %s, %s</source>
        <translation>%s %s، %s</translation>
    </message>
    <message>
        <source>Configuration:</source>
        <translation>ترتیبات:</translation>
    </message>
    <message>
        <source>Fiqh = %s, Distance = %d km, Precision = %s,</source>
        <translation>فقہ = %s، فاصلہ = %d کلومیٹر، درستی = %s،</translation>
    </message>
    <message>
        <source>Imsak angle = %s, Fajr angle = %s,</source>
        <translation>امساک کا زاویہ = %s، فجر کا زاویہ = %s،</translation>
    </message>
    <message>
        <source>Isha angle = %s, Added minutes to Maghrib time = %d,</source>
        <translation>عشاء کا زاویہ = %s، مغرب میں اضافی منٹ = %d،</translation>
    </message>
    <message>
        <source>Added minutes to Maghrib time = %d,</source>
        <translation>مغرب میں اضافی منٹ = %d،</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by %1d days,</source>
        <translation>ہجری تقویم میں %1d دن کی تصحیح،</translation>
    </message>
    <message>
        <source>Method = %s, Hijri calendar = %s,</source>
        <translation>طریقہ = %s، ہجری تقویم = %s،</translation>
    </message>
    <message>
        <source>Rule at high latitudes = %s</source>
        <translation>بلند عرض بلد کا قاعدہ = %s</translation>
    </message>
    <message>
        <source>%d minutes for Fajr and Isha prayers</source>
        <translation>فجر اور عشاء کے لیے %d منٹ</translation>
    </message>
    <message>
        <source>%d minutes for Fajr prayer</source>
        <translation>فجر کے لیے %d منٹ</translation>
    </message>
    <message>
        <source>Prayer schedule for %s</source>
        <translation>%s کے اوقات نماز</translation>
    </message>
    <message>
        <source>Moon Information for %s</source>
        <translation>%s کے لیے چاند کی معلومات</translation>
    </message>
    <message>
        <source>Prayer Schedule for %s</source>
        <translation>%s کے اوقات نماز</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>IslDate</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>Isha'a</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>MoonRise</source>
        <translation>طلوع قمر</translation>
    </message>
    <message>
        <source>MoonTransit</source>
        <translation>قمر کا عبور</translation>
    </message>
    <message>
        <source>MoonSet</source>
        <translation>غروب قمر</translation>
    </message>
    <message>
        <source>Next Geocentric  New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>اگلا نیا چاند (مرکز زمین) %s، %d/%d/%d بوقت %s(%sTDT)</translation>
    </message>
    <message>
        <source>Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>اگلا نیا چاند (مقام ناظر) %s، %d/%d/%d بوقت %s(%sTDT)</translation>
    </message>
    <message>
        <source>Moon data for %d/%s/%d at Sunset</source>
        <translation>غروب آفتاب پر چاند کی معلومات %d/%s/%d</translation>
    </message>
    <message>
        <source>Moonset (%s) - Sunset (%s) = %s</source>
        <translation>غروب قمر (%s) - غروب آفتاب (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Altitude (%s) - Sun Altitude (%s) = %s</source>
        <translation>چاند کی بلندی (%s) - سورج کی بلندی (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Azimuth (%s) - Sun Azimuth (%s) = %s</source>
        <translation>چاند کا سمت (%s) - سورج کا سمت (%s) = %s</translation>
    </message>
    <message>
        <source>Geocentric Moon Age = %s, Topocentric Moon Age = %s</source>
        <translation>چاند کی عمر (مرکز زمین) = %s، چاند کی عمر (مقام ناظر) = %s</translation>
    </message>
    <message>
        <source>Geocentric Elongation = %s, Topocentric Elongation = %s</source>
        <translation>زاویائی فاصلہ (مرکز زمین) = %s، زاویائی فاصلہ (مقام ناظر) = %s</translation>
    </message>
    <message>
        <source>Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km</source>
        <translation>فاصلہ (مرکز زمین) = %5.1f کلومیٹر، فاصلہ (مقام ناظر) = %5.1f کلومیٹر</translation>
    </message>
    <message>
        <source>Position angle of bright limb = %s, Topocentric Width  = %s</source>
        <translation>روشن کنارے کا زاویۂ مقام = %s، ہلال کی چوڑائی (مقام ناظر) = %s</translation>
    </message>
    <message>
        <source>The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s</source>
        <translation>چاند %0.2f%% روشن ہے، نصف قطر (مقام ناظر) = %s</translation>
    </message>
    <message>
        <source>Possible start of %s, %d AH: %s, %d/%s/%d</source>
        <translation>%s %d ہجری کا ممکنہ آغاز: %s، %d/%s/%d</translation>
    </message>
    <message>
        <source>Could not calculate valid sunset/moonset times!</source>
        <translation>غروب آفتاب اور غروب قمر کے درست اوقات کا حساب نہ ہو سکا!</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla is %s from Magnetic North</source>
        <translation>قبلہ مقناطیسی شمال سے %s پر ہے</translation>
    </message>
    <message>
        <source>Magnetic Declination is %s</source>
        <translation>مقناطیسی انحراف %s ہے</translation>
    </message>
    <message>
        <source>The Sun is below the horizon!</source>
        <translation>سورج افق سے نیچے ہے!</translation>
    </message>
    <message>
        <source>The length of shadow is zero!</source>
        <translation>سائے کی لمبائی صفر ہے!</translation>
    </message>
    <message>
        <source>Qibla is %s from the shadow of the Sun</source>
        <translation>قبلہ سورج کے سائے سے %s پر ہے</translation>
    </message>
    <message>
        <source>The length of shadow is %1.2f of original height</source>
        <translation>سائے کی لمبائی اصل اونچائی کا %1.2f ہے</translation>
    </message>
    <message>
        <source>Qibla is %s from Geographic North</source>
        <translation>قبلہ جغرافیائی شمال سے %s پر ہے</translation>
    </message>
    <message>
        <source>Distance to Mecca is %5.2f km</source>
        <translation>مکہ تک فاصلہ %5.2f کلومیٹر ہے</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%d %s %d AH</source>
        <translation>%d %s %d ہجری</translation>
    </message>
    <message>
        <source>%s %s in %s (%s)</source>
        <translation>%s %s، %s باقی (%s)</translation>
    </message>
    <message>
        <source>Geocentric new moon:</source>
        <translation>نیا چاند (مرکز زمین):</translation>
    </message>
    <message>
        <source>Topocentric new moon:</source>
        <translation>نیا چاند (مقام ناظر):</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>غروب آفتاب:</translation>
    </message>
    <message>
        <source>%s (%s), moonset %+.0f minutes later</source>
        <translation>%s (%s)، غروب قمر %+.0f منٹ بعد</translation>
    </message>
    <message>
        <source>not available (%s)</source>
        <translation>دستیاب نہیں (%s)</translation>
    </message>
    <message>
        <source>Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)</source>
        <translation>چاند کی بلندی %.2f درجے، سورج کی بلندی %.2f درجے (ظاہری، مقام ناظر)</translation>
    </message>
    <message>
        <source>Elongation %.2f deg geocentric, %.2f deg topocentric</source>
        <translation>زاویائی فاصلہ %.2f درجے مرکز زمین، %.2f درجے مقام ناظر</translation>
    </message>
    <message>
        <source>Moon age %.2f hours geocentric, %.2f hours topocentric</source>
        <translation>چاند کی عمر %.2f گھنٹے مرکز زمین، %.2f گھنٹے مقام ناظر</translation>
    </message>
    <message>
        <source>Illuminated %.2f%%</source>
        <translation>روشن حصہ %.2f%%</translation>
    </message>
    <message>
        <source>Possible start of the month:</source>
        <translation>مہینے کا ممکنہ آغاز:</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>دستیاب نہیں</translation>
    </message>
    <message>
        <source>Prayer times for %s (latitude %.4f, longitude %.4f, height %d m, zone %+.2f h)</source>
        <translation>%s کے اوقات نماز (عرض بلد %.4f، طول بلد %.4f، بلندی %d میٹر، زون %+.2f گھنٹے)</translation>
    </message>
    <message>
        <source>Method: %s</source>
        <translation>طریقہ: %s</translation>
    </message>
    <message>
        <source>Fiqh %s, area %d km, high-latitude rule: %s</source>
        <translation>فقہ %s، رقبہ %d کلومیٹر، بلند عرض بلد کا قاعدہ: %s</translation>
    </message>
    <message>
        <source>Times HH:MM:SS of local time; &lt; previous day, &gt; next day</source>
        <translation>اوقات HH:MM:SS مقامی وقت میں؛ &lt; پچھلا دن، &gt; اگلا دن</translation>
    </message>
</context>
</TS>
