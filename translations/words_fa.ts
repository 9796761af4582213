<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>Prayer</name>
    <message>
        <source>Imsak</source>
        <translation>امساک</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>صبح</translation>
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
        <translation>ظهر</translation>
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
        <translation>عشا</translation>
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
        <translation>ربیع‌الاول</translation>
    </message>
    <message>
        <source>Rabi'II</source>
        <translation>ربیع‌الثانی</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادی‌الاول</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادی‌الثانی</translation>
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
        <translation>ذی‌القعده</translation>
    </message>
    <message>
        <source>Thu Al-Hijja</source>
        <translation>ذی‌الحجه</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>ژانویه</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فوریه</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>آوریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مه</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ژوئن</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ژوئیه</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اوت</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سپتامبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوامبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسامبر</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>دوشنبه</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>سه‌شنبه</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>چهارشنبه</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>پنجشنبه</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>جمعه</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>شنبه</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>یکشنبه</translation>
    </message>
</context>
<context>
    <name>ShortWeekday</name>
    <message>
        <source>Mon</source>
        <translation>دوشنبه</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>سه‌شنبه</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>چهارشنبه</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>پنجشنبه</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>جمعه</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>شنبه</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>یکشنبه</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>First</source>
        <translation>اولین</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>دومین</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>سومین</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>چهارمین</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>آخرین</translation>
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
        <translation>ثانیه</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقیقه</translation>
    </message>
</context>
<context>
    <name>HighLatitudeRule</name>
    <message>
        <source>Non</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>1/7 of day when needed</source>
        <translation>یک‌هفتم روز در صورت نیاز</translation>
    </message>
    <message>
        <source>1/7 of day always</source>
        <translation>همیشه یک‌هفتم روز</translation>
    </message>
    <message>
        <source>1/7 of night when needed</source>
        <translation>یک‌هفتم شب در صورت نیاز</translation>
    </message>
    <message>
        <source>1/7 of night always</source>
        <translation>همیشه یک‌هفتم شب</translation>
    </message>
    <message>
        <source>Nearest location-all prayers</source>
        <translation>نزدیک‌ترین مکان - همه نمازها</translation>
    </message>
    <message>
        <source>Nearest location-needed prayers</source>
        <translation>نزدیک‌ترین مکان - نمازهای لازم</translation>
    </message>
    <message>
        <source>Nearest day-all prayers</source>
        <translation>نزدیک‌ترین روز - همه نمازها</translation>
    </message>
    <message>
        <source>Nearest day-needed prayers</source>
        <translation>نزدیک‌ترین روز - نمازهای لازم</translation>
    </message>
    <message>
        <source>minutes for Fajr and Isha prayers</source>
        <translation>دقیقه برای صبح و عشا</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Crescent at the place</source>
        <translation>هلال در محل</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>ام‌القری</translation>
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
        <translation>نامعتبر</translation>
    </message>
    <message>
        <source>AlwAbove</source>
        <translation>همیشه بالا</translation>
    </message>
    <message>
        <source>AlwBelow</source>
        <translation>همیشه پایین</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Location:</source>
        <translation>مکان:</translation>
    </message>
    <message>
        <source>Latitude %s, Longitude %s,</source>
        <translation>عرض جغرافیایی %s، طول جغرافیایی %s،</translation>
    </message>
    <message>
        <source>Height: %d meters ASL, Time Zone: %2.2f,</source>
        <translation>ارتفاع: %d متر از سطح دریا، منطقه زمانی: %2.2f،</translation>
    </message>
    <message>
        <source>Summer Time as in time zone %s</source>
        <translation>ساعت تابستانی مانند منطقه زمانی %s</translation>
    </message>
    <message>
        <source>No Summer Time available</source>
        <translation>ساعت تابستانی ندارد</translation>
    </message>
    <message>
        <source>Summer Time starts at: %s</source>
        <translation>آغاز ساعت تابستانی: %s</translation>
    </message>
    <message>
        <source>Summer Time ends at: %s</source>
        <translation>پایان ساعت تابستانی: %s</translation>
    </message>
    <message>
        <source>%s %s, %s</source>
        <translation>%s %s، %s</translation>
    </message>
    <message>
        <source>Configuration:</source>
        <translation>تنظیمات:</translation>
    </message>
    <message>
        <source>Fiqh = %s, Distance = %d km, Precision = %s,</source>
        <translation>فقه = %s، فاصله = %d کیلومتر، دقت = %s،</translation>
    </message>
    <message>
        <source>Imsak angle = %s, Fajr angle = %s,</source>
        <translation>زاویه امساک = %s، زاویه صبح = %s،</translation>
    </message>
    <message>
        <source>Isha angle = %s, Added minutes to Maghrib time = %d,</source>
        <translation>زاویه عشا = %s، دقایق افزوده به مغرب = %d،</translation>
    </message>
    <message>
        <source>Added minutes to Maghrib time = %d,</source>
        <translation>دقایق افزوده به مغرب = %d،</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by %1d days,</source>
        <translation>تنظیم تقویم قمری به اندازه %1d روز،</translation>
    </message>
    <message>
        <source>Method = %s, Hijri calendar = %s,</source>
        <translation>روش = %s، تقویم قمری = %s،</translation>
    </message>
    <message>
        <source>Rule at high latitudes = %s</source>
        <translation>قاعده عرض‌های بالا = %s</translation>
    </message>
    <message>
        <source>%d minutes for Fajr and Isha prayers</source>
        <translation>%d دقیقه برای صبح و عشا</translation>
    </message>
    <message>
        <source>%d minutes for Fajr prayer</source>
        <translation>%d دقیقه برای صبح</translation>
    </message>
    <message>
        <source>Prayer schedule for %s</source>
        <translation>اوقات شرعی %s</translation>
    </message>
    <message>
        <source>Moon Information for %s</source>
        <translation>اطلاعات ماه برای %s</translation>
    </message>
    <message>
        <source>Prayer Schedule for %s</source>
        <translation>اوقات شرعی در %s</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>IslDate</source>
        <translation>قمری</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Isha'a</source>
        <translation>عشا</translation>
    </message>
    <message>
        <source>MoonRise</source>
        <translation>طلوع ماه</translation>
    </message>
    <message>
        <source>MoonTransit</source>
        <translation>عبور ماه</translation>
    </message>
    <message>
        <source>MoonSet</source>
        <translation>غروب ماه</translation>
    </message>
    <message>
        <source>Next Geocentric  New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>ماه نو بعدی (زمین‌مرکزی) %s، %d/%d/%d ساعت %s(%sTDT)</translation>
    </message>
    <message>
        <source>Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)</source>
        <translation>ماه نو بعدی (ناظرمرکزی) %s، %d/%d/%d ساعت %s(%sTDT)</translation>
    </message>
    <message>
        <source>Moon data for %d/%s/%d at Sunset</source>
        <translation>داده‌های ماه هنگام غروب آفتاب %d/%s/%d</translation>
    </message>
    <message>
        <source>Moonset (%s) - Sunset (%s) = %s</source>
        <translation>غروب ماه (%s) - غروب آفتاب (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Altitude (%s) - Sun Altitude (%s) = %s</source>
        <translation>ارتفاع ماه (%s) - ارتفاع خورشید (%s) = %s</translation>
    </message>
    <message>
        <source>Moon Azimuth (%s) - Sun Azimuth (%s) = %s</source>
        <translation>سمت ماه (%s) - سمت خورشید (%s) = %s</translation>
    </message>
    <message>
        <source>Geocentric Moon Age = %s, Topocentric Moon Age = %s</source>
        <translation>سن ماه زمین‌مرکزی = %s، سن ماه ناظرمرکزی = %s</translation>
    </message>
    <message>
        <source>Geocentric Elongation = %s, Topocentric Elongation = %s</source>
        <translation>کشیدگی زمین‌مرکزی = %s، کشیدگی ناظرمرکزی = %s</translation>
    </message>
    <message>
        <source>Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km</source>
        <translation>فاصله زمین‌مرکزی = %5.1f کیلومتر، فاصله ناظرمرکزی = %5.1f کیلومتر</translation>
    </message>
    <message>
        <source>Position angle of bright limb = %s, Topocentric Width  = %s</source>
        <translation>زاویه موقعیت لبه روشن = %s، پهنای هلال ناظرمرکزی = %s</translation>
    </message>
    <message>
        <source>The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s</source>
        <translation>ماه %0.2f%% روشن است، نیم‌قطر ناظرمرکزی = %s</translation>
    </message>
    <message>
        <source>Possible start of %s, %d AH: %s, %d/%s/%d</source>
        <translation>آغاز احتمالی %s %d ق: %s، %d/%s/%d</translation>
    </message>
    <message>
        <source>Could not calculate valid sunset/moonset times!</source>
        <translation>زمان معتبر غروب خورشید و ماه محاسبه نشد!</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla is %s from Magnetic North</source>
        <translation>قبله %s از شمال مغناطیسی</translation>
    </message>
    <message>
        <source>Magnetic Declination is %s</source>
        <translation>انحراف مغناطیسی %s</translation>
    </message>
    <message>
        <source>The Sun is below the horizon!</source>
        <translation>خورشید زیر افق است!</translation>
    </message>
    <message>
        <source>The length of shadow is zero!</source>
        <translation>طول سایه صفر است!</translation>
    </message>
    <message>
        <source>Qibla is %s from the shadow of the Sun</source>
        <translation>قبله %s از سایه خورشید</translation>
    </message>
    <message>
        <source>The length of shadow is %1.2f of original height</source>
        <translation>طول سایه %1.2f برابر ارتفاع اصلی است</translation>
    </message>
    <message>
        <source>Qibla is %s from Geographic North</source>
        <translation>قبله %s از شمال جغرافیایی</translation>
    </message>
    <message>
        <source>Distance to Mecca is %5.2f km</source>
        <translation>فاصله تا مکه %5.2f کیلومتر</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%d %s %d AH</source>
        <translation>%d %s %d ق</translation>
    </message>
    <message>
        <source>%s %s in %s (%s)</source>
        <translation>%s %s، %s مانده (%s)</translation>
    </message>
    <message>
        <source>Geocentric new moon:</source>
        <translation>ماه نو زمین‌مرکزی:</translation>
    </message>
    <message>
        <source>Topocentric new moon:</source>
        <translation>ماه نو ناظرمرکزی:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>غروب آفتاب:</translation>
    </message>
    <message>
        <source>%s (%s), moonset %+.0f minutes later</source>
        <translation>%s (%s)، غروب ماه %+.0f دقیقه بعد</translation>
    </message>
    <message>
        <source>not available (%s)</source>
        <translation>در دسترس نیست (%s)</translation>
    </message>
    <message>
        <source>Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)</source>
        <translation>ارتفاع ماه %.2f درجه، ارتفاع خورشید %.2f درجه (ظاهری، ناظرمرکزی)</translation>
    </message>
    <message>
        <source>Elongation %.2f deg geocentric, %.2f deg topocentric</source>
        <translation>کشیدگی %.2f درجه زمین‌مرکزی، %.2f درجه ناظرمرکزی</translation>
    </message>
    <message>
        <source>Moon age %.2f hours geocentric, %.2f hours topocentric</source>
        <translation>سن ماه %.2f ساعت زمین‌مرکزی، %.2f ساعت ناظرمرکزی</translation>
    </message>
    <message>
        <source>Illuminated %.2f%%</source>
        <translation>روشنایی %.2f%%</translation>
    </message>
    <message>
        <source>Possible start of the month:</source>
        <translation>آغاز احتمالی ماه:</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>در دسترس نیست</translation>
    </message>
    <message>
        <source>Prayer times for %s (latitude %.4f, longitude %.4f, height %d m, zone %+.2f h)</source>
        <translation>اوقات شرعی %s (عرض %.4f، طول %.4f، ارتفاع %d متر، منطقه %+.2f ساعت)</translation>
    </message>
    <message>
        <source>Method: %s</source>
        <translation>روش: %s</translation>
    </message>
    <message>
        <source>Fiqh %s, area %d km, high-latitude rule: %s</source>
        <translation>فقه %s، پهنه %d کیلومتر، قاعده عرض‌های بالا: %s</translation>
    </message>
    <message>
        <source>Times HH:MM:SS of local time; &lt; previous day, &gt; next day</source>
        <translation>زمان‌ها HH:MM:SS به وقت محلی؛ &lt; روز قبل، &gt; روز بعد</translation>
    </message>
</context>
</TS>
