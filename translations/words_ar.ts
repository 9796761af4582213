<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Prayer</name>
    <message>
        <source>Imsak</source>
        <translation>الإمساك</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>الزوال</translation>
    </message>
    <message>
        <source>Duhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
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
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>Rabi'II</source>
        <translation>ربيع الآخر</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادى الآخرة</translation>
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
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>Thu Al-Hijja</source>
        <translation>ذو الحجة</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>السبت</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
</context>
<context>
    <name>ShortWeekday</name>
    <message>
        <source>Mon</source>
        <translation>إثنين</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>ثلاثاء</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>أربعاء</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>خميس</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>جمعة</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>سبت</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>أحد</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>First</source>
        <translation>أول</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ثاني</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>ثالث</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>رابع</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>آخر</translation>
    </message>
</context>
<context>
    <name>Fiqh</name>
    <message>
        <source>Jafari</source>
        <translation>جعفري</translation>
    </message>
    <message>
        <source>Shafi'i</source>
        <translation>شافعي</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>حنفي</translation>
    </message>
    <message>
        <source>Maliki</source>
        <translation>مالكي</translation>
    </message>
    <message>
        <source>Hanbali</source>
        <translation>حنبلي</translation>
    </message>
</context>
<context>
    <name>Precision</name>
    <message>
        <source>Seconds</source>
        <translation>ثوان</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقائق</translation>
    </message>
</context>
<context>
    <name>HighLatitudeRule</name>
    <message>
        <source>Non</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>1/7 of day when needed</source>
        <translation>سبع النهار عند الحاجة</translation>
    </message>
    <message>
        <source>1/7 of day always</source>
        <translation>سبع النهار دائما</translation>
    </message>
    <message>
        <source>1/7 of night when needed</source>
        <translation>سبع الليل عند الحاجة</translation>
    </message>
    <message>
        <source>1/7 of night always</source>
        <translation>سبع الليل دائما</translation>
    </message>
    <message>
        <source>Nearest location-all prayers</source>
        <translation>أقرب مكان - كل الصلوات</translation>
    </message>
    <message>
        <source>Nearest location-needed prayers</source>
        <translation>أقرب مكان - الصلوات اللازمة</translation>
    </message>
    <message>
        <source>Nearest day-all prayers</source>
        <translation>أقرب يوم - كل الصلوات</translation>
    </message>
    <message>
        <source>Nearest day-needed prayers</source>
        <translation>أقرب يوم - الصلوات اللازمة</translation>
    </message>
    <message>
        <source>minutes for Fajr and Isha prayers</source>
        <translation>دقائق للفجر والعشاء</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Crescent at the place</source>
        <translation>رؤية الهلال في المكان</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>أم القرى</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>الجدولي</translation>
    </message>
</context>
<context>
    <name>Marker</name>
    <message>
        <source>NotValid</source>
        <translation>غير صالح</translation>
    </message>
    <message>
        <source>AlwAbove</source>
        <translation>فوق دائما</translation>
    </message>
    <message>
        <source>AlwBelow</source>
        <translation>تحت دائما</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Location:</source>
        <translation>الموقع:</translation>
    </message>
    <message>
        <source>Latitude %s, Longitude %s,</source>
        <translation>خط العرض %s، خط الطول %s،</translation>
    </message>
    <message>
        <source>Height: %d meters ASL, Time Zone: %2.2f,</source>
        <translation>الارتفاع: %d متر فوق سطح البحر، المنطقة الزمنية: %2.2f،</translation>
    </message>
    <message>
        <source>Summer Time as in time zone %s</source>
        <translation>التوقيت الصيفي كما في المنطقة الزمنية %s</translation>
    </message>
    <message>
        <source>No Summer Time available</source>
        <translation>لا يوجد توقيت صيفي</translation>
    </message>
    <message>
        <source>Summer Time starts at: %s</source>
        <translation>يبدأ التوقيت الصيفي: %s</translation>
    </message>
    <message>
        <source>Summer Time ends at: %s</source>
        <translation>ينتهي التوقيت الصيفي: %s</translation>
    </message>
    <message>
        <source>%s %s, %s</source>
        <translation>%s %s، %s</translation>
    </message>
    <message>
        <source>Configuration:</source>
        <translation>الإعدادات:</translation>
    </message>
    <message>
        <source>Fiqh = %s, Distance = %d km, Precision = %s,</source>
        <translation>المذهب = %s، المسافة = %d كم، الدقة = %s،</translation>
    </message>
    <message>
        <source>Imsak angle = %s, Fajr angle = %s,</source>
        <translation>زاوية الإمساك = %s، زاوية الفجر = %s،</translation>
    </message>
    <message>
        <source>Isha angle = %s, Added minutes to Maghrib time = %d,</source>
        <translation>زاوية العشاء = %s، دقائق مضافة إلى المغرب = %d،</translation>
    </message>
    <message>
        <source>Added minutes to Maghrib time = %d,</source>
        <translation>دقائق مضافة إلى المغرب = %d،</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by %1d days,</source>
        <translation>تعديل التقويم الهجري بمقدار %1d أيام،</translation>
    </message>
    <message>
        <source>Method = %s, Hijri calendar = %s,</source>
        <translation>الطريقة = %s، التقويم الهجري = %s،</translation>
    </message>
    <message>
        <source>Rule at high latitudes = %s</source>
        <translation>قاعدة خطوط العرض العليا = %s</translation>
    </message>
    <message>
        <source>%d minutes for Fajr and Isha prayers</source>
        <translation>%d دقيقة للفجر والعشاء</translation>
    </message>
    <message>
        <source>%d minutes for Fajr prayer</source>
        <translation>%d دقيقة للفجر</translation>
    </message>
    <message>
        <source>Prayer schedule for %s</source>
        <translation>مواقيت الصلاة لـ %s</translation>
    </message>
    <message>
        <source>Moon Information for %s</source>
        <translation>معلومات القمر لـ %s</translation>
    </message>
    <message>
        <source>Prayer Schedule for %s</source>
        <translation>مواقيت الصلاة في %s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>IslDate</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Isha'a</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>MoonRise</source>
        <translation>شروق القمر</translation>
    </message>
    <message>
        <source>MoonTransit</source>
        <translation>عبور القمر</translation>
    </message>
    <message>
        <source>MoonSet</source>
        <translation>غروب القمر</translation>
    </message>
    <message>
        <source>Next Geocentric  New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>المحاق التالي (مركز الأرض) %s، %d/%d/%d الساعة %s(%sTDT)</translation>
    </message>
    <message>
        <source>Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>المحاق التالي (موقع الراصد) %s، %d/%d/%d الساعة %s(%sTDT)</translation>
    </message>
    <message>
        <source>Moon data for %d/%s/%d at Sunset</source>
        <translation>بيانات القمر عند غروب الشمس %d/%s/%d</translation>
    </message>
    <message>
        <source>Moonset (%s) - Sunset (%s) = %s</source>
        <translation>غروب القمر (%s) - غروب الشمس (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Altitude (%s) - Sun Altitude (%s) = %s</source>
        <translation>ارتفاع القمر (%s) - ارتفاع الشمس (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Azimuth (%s) - Sun Azimuth (%s) = %s</source>
        <translation>سمت القمر (%s) - سمت الشمس (%s) = %s</translation>
    </message>
    <message>
        <source>Geocentric Moon Age = %s, Topocentric Moon Age = %s</source>
        <translation>عمر القمر (مركز الأرض) = %s، عمر القمر (موقع الراصد) = %s</translation>
    </message>
    <message>
        <source>Geocentric Elongation = %s, Topocentric Elongation = %s</source>
        <translation>الاستطالة (مركز الأرض) = %s، الاستطالة (موقع الراصد) = %s</translation>
    </message>
    <message>
        <source>Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km</source>
        <translation>المسافة (مركز الأرض) = %5.1f كم، المسافة (موقع الراصد) = %5.1f كم</translation>
    </message>
    <message>
        <source>Position angle of bright limb = %s, Topocentric Width  = %s</source>
        <translation>زاوية موضع الحافة المضيئة = %s، عرض الهلال (موقع الراصد) = %s</translation>
    </message>
    <message>
        <source>The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s</source>
        <translation>نسبة إضاءة القمر %0.2f%%، نصف القطر الظاهري (موقع الراصد) = %s</translation>
    </message>
    <message>
        <source>Possible start of %s, %d AH: %s, %d/%s/%d</source>
        <translation>البداية المحتملة لشهر %s %d هـ: %s، %d/%s/%d</translation>
    </message>
    <message>
        <source>Could not calculate valid sunset/moonset times!</source>
        <translation>تعذر حساب أوقات صحيحة لغروب الشمس والقمر!</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla is %s from Magnetic North</source>
        <translation>القبلة %s من الشمال المغناطيسي</translation>
    </message>
    <message>
        <source>Magnetic Declination is %s</source>
        <translation>الانحراف المغناطيسي %s</translation>
    </message>
    <message>
        <source>The Sun is below the horizon!</source>
        <translation>الشمس تحت الأفق!</translation>
    </message>
    <message>
        <source>The length of shadow is zero!</source>
        <translation>طول الظل صفر!</translation>
    </message>
    <message>
        <source>Qibla is %s from the shadow of the Sun</source>
        <translation>القبلة %s من ظل الشمس</translation>
    </message>
    <message>
        <source>The length of shadow is %1.2f of original height</source>
        <translation>طول الظل %1.2f من الارتفاع الأصلي</translation>
    </message>
    <message>
        <source>Qibla is %s from Geographic North</source>
        <translation>القبلة %s من الشمال الجغرافي</translation>
    </message>
    <message>
        <source>Distance to Mecca is %5.2f km</source>
        <translation>المسافة إلى مكة %5.2f كم</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%d %s %d AH</source>
        <translation>%d %s %d هـ</translation>
    </message>
    <message>
        <source>%s %s in %s (%s)</source>
        <translation>%s %s بعد %s (%s)</translation>
    </message>
    <message>
        <source>Geocentric new moon:</source>
        <translation>المحاق (مركز الأرض):</translation>
    </message>
    <message>
        <source>Topocentric new moon:</source>
        <translation>المحاق (موقع الراصد):</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>غروب الشمس:</translation>
    </message>
    <message>
        <source>%s (%s), moonset %+.0f minutes later</source>
        <translation>%s (%s)، غروب القمر بعد %+.0f دقيقة</translation>
    </message>
    <message>
        <source>not available (%s)</source>
        <translation>غير متاح (%s)</translation>
    </message>
    <message>
        <source>Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)</source>
        <translation>ارتفاع القمر %.2f درجة، ارتفاع الشمس %.2f درجة (ظاهري، من موقع الراصد)</translation>
    </message>
    <message>
        <source>Elongation %.2f deg geocentric, %.2f deg topocentric</source>
        <translation>الاستطالة %.2f درجة من مركز الأرض، %.2f درجة من موقع الراصد</translation>
    </message>
    <message>
        <source>Moon age %.2f hours geocentric, %.2f hours topocentric</source>
        <translation>عمر القمر %.2f ساعة من مركز الأرض، %.2f ساعة من موقع الراصد</translation>
    </message>
    <message>
        <source>Illuminated %.2f%%</source>
        <translation>نسبة الإضاءة %.2f%%</translation>
    </message>
    <message>
        <source>Possible start of the month:</source>
        <translation>البداية المحتملة للشهر:</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>غير متاح</translation>
    </message>
    <message>
        <source>Prayer times for %s (latitude %.4f, longitude %.4f, height %d m, zone %+.2f h)</source>
        <translation>مواقيت الصلاة في %s (خط العرض %.4f، خط الطول %.4f، الارتفاع %d م، المنطقة الزمنية %+.2f س)</translation>
    </message>
    <message>
        <source>Method: %s</source>
        <translation>الطريقة: %s</translation>
    </message>
    <message>
        <source>Fiqh %s, area %d km, high-latitude rule: %s</source>
        <translation>المذهب %s، المساحة %d كم، قاعدة خطوط العرض العليا: %s</translation>
    </message>
    <message>
        <source>Times HH:MM:SS of local time; &lt; previous day, &gt; next day</source>
        <translation>الأوقات HH:MM:SS بالتوقيت المحلي؛ &lt; اليوم السابق، &gt; اليوم التالي</translation>
    </message>
</context>
</TS>
