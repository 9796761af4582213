<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation>وقت معتبری برای نماز محاسبه نشد!</translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation>فایل تنظیمات باز نشد!</translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation>فایل تنظیمات خالی است!</translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation>فایل تنظیمات خراب است!</translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation>مکان پیش‌فرض در فایل تنظیمات پیدا نشد!</translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation>فایل تنظیمات ساخته نشد!</translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation>نوشتن در فایل تنظیمات ممکن نشد!</translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation>فایل تنظیمات برای نوشتن باز نشد!</translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation>فقه و نمازهای انتخاب‌شده برای پخش صدا با هم جور نیستند!</translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation>پخش‌کننده صدا پیدا نشد!</translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation>فایل صوتی باز نشد!</translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation>فایل صوتی باز نشد (فایل صوتی پیش از وقت)!</translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation>هیچ نمازی برای پخش صدا انتخاب نشده است!</translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation>مسیر پوشه جاری به دست نیامد!</translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation>رجیستری ویندوز باز نشد!</translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation>تغییر رجیستری ویندوز ممکن نشد!</translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation>فایل موقت باز نشد!</translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation>فایل تنظیمات بیش از حد بزرگ است!</translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation>منطقه زمانی مکان خوانده نشد!</translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation>باید نام مکان را بنویسید!</translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation>مقدار عرض جغرافیایی نادرست است!</translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation>مقدار طول جغرافیایی نادرست است!</translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation>مقدار منطقه زمانی نادرست است!</translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation>تاریخ آغاز ساعت تابستانی نادرست است!</translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation>تاریخ پایان ساعت تابستانی نادرست است!</translation>
    </message>
    <message>
        <source>Incorrect Fajr angle!</source>
        <translation>زاویه صبح نادرست است!</translation>
    </message>
    <message>
        <source>Incorrect Imsak angle!</source>
        <translation>زاویه امساک نادرست است!</translation>
    </message>
    <message>
        <source>Invalid date is chosen!</source>
        <translation>تاریخ انتخاب‌شده نامعتبر است!</translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation>تبدیل تاریخ انتخاب‌شده ممکن نشد!</translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation>تاریخ بیرون از تقویم ام‌القری است (1300-1600 ق)!</translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation>فایل خروجی باز نشد!</translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation>نوشتن در فایل خروجی ممکن نشد!</translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation>نمایش فایل خروجی ممکن نشد!</translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation>پخش‌کننده صدا اجرا نشد!</translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation>پخش‌کننده صدا بسته نشد!</translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation>اجرای KelmoTimes ممکن نشد!</translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation>خط فرمان خوانده نشد!</translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation>پنجره اعلان‌گر کوچک نشد!</translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation>اطلاعات قبله خوانده نشد!</translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation>زمان‌سنج یا اعلان‌گر Kelmo از قبل در حال اجراست!</translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation>به‌روزرسانی فرایند زمان‌سنج و اعلان‌گر ممکن نشد!</translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation>نمایش وضعیت ممکن نشد!</translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation>محاسبه جهت قبله ممکن نیست!</translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation>آیا می‌خواهید فایل تنظیمات تازه‌ای بسازید؟</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>خطای ناشناخته!</translation>
    </message>
</context>
<context>
    <name>kelmo::platform::MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Athan</name>
    <message>
        <source>It is time for %1 prayer</source>
        <translation>وقت نماز %1 است</translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation>نماز %1 ساعت %2 آغاز شد</translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation>این نماز %1 دقیقه پیش آغاز شد</translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation>این نماز %1 ساعت و %2 دقیقه پیش آغاز شد</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Today is %1,</source>
        <translation>امروز %1،</translation>
    </message>
    <message>
        <source>%1/%2/%3 AD</source>
        <translation>%1 %2 %3 م</translation>
    </message>
    <message>
        <source>%1/%2/%3 AH</source>
        <translation>%1 %2 %3 ق</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>در %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::BackgroundMode</name>
    <message>
        <source>Kelmo Timer not started: </source>
        <translation>زمان‌سنج Kelmo اجرا نشد: </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation>درباره KelmoTimes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoDlg</name>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>محاسبه</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation>برای تعیین تاریخ مورد نظر کلیک کنید</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>مکان</translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation>برای انتخاب مکان یا ویرایش پایگاه داده مکان‌ها کلیک کنید</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Press to manipulate configuration parameters</source>
        <translation>برای تغییر تنظیمات کلیک کنید</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>نماز</translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation>برای محاسبه اوقات شرعی کلیک کنید</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation>برای محاسبه داده‌های ماه و آغاز ماه قمری کلیک کنید</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>قبله</translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation>برای محاسبه جهت قبله و فاصله تا مکه کلیک کنید</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;راهنما</translation>
    </message>
    <message>
        <source>Press to view the online help</source>
        <translation>برای دیدن راهنما کلیک کنید</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Press to terminate the program</source>
        <translation>برای بستن برنامه کلیک کنید</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;کوچک کردن</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بستن</translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation>&amp;نمودار اوقات...</translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation>&amp;درباره KelmoTimes</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoFrm</name>
    <message>
        <source>Status</source>
        <translation>وضعیت</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>اجرای KelmoTimes</translation>
    </message>
    <message>
        <source>Terminate Timer</source>
        <translation>بستن زمان‌سنج</translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation>بستن زمان‌سنج و اعلان‌گر</translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation>%1 (بعدی)</translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation>KelmoTimes: نمازی در برنامه نیست</translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation>نماز بعدی: %1 ساعت %2
زمان باقی‌مانده: %3
در %4</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>در %2: %1</translation>
    </message>
    <message>
        <source>Kelmo Timer is active 
%1 prayer starts at %2 
in %3</source>
        <translation>زمان‌سنج Kelmo فعال است 
نماز %1 ساعت %2 آغاز می‌شود 
در %3</translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation>فایل Kelmo.cfg خوانده نشد؛ زمان‌سنج با آخرین تنظیمات سالم ادامه می‌دهد.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation>n دقیقه برای صبح&amp;عشا</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>فقه</translation>
    </message>
    <message>
        <source>Imsak angle</source>
        <translation>زاویه امساک</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation>زاویه صبح</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>زاویه عشا</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>دقت</translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation>قاعده عرض‌های بالا</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation>تنظیم تقویم قمری به اندازه</translation>
    </message>
    <message>
        <source>days</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation>تصحیح اوقات به اندازه</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>ثانیه</translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation>حد رؤیت ماه</translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation>افزودن به وقت مغرب</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>Distance from center</source>
        <translation>فاصله از مرکز</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Sound and Notifier</source>
        <translation>صدا و اعلان‌گر</translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation>فعال‌سازی اعلان‌گر</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>پخش</translation>
    </message>
    <message>
        <source>sound file</source>
        <translation>فایل صوتی</translation>
    </message>
    <message>
        <source>at</source>
        <translation>در</translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation>دقیقه پیش از وقت نماز</translation>
    </message>
    <message>
        <source>Open month and year reports with</source>
        <translation>باز کردن گزارش‌های ماهانه و سالانه با</translation>
    </message>
    <message>
        <source>program</source>
        <translation>برنامه</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Choose the applied Fiqh from list</source>
        <translation>فقه مورد عمل را از فهرست انتخاب کنید</translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation>درجه زاویه امساک را وارد کنید (‎-20 تا ‎-1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation>دقیقه زاویه امساک را وارد کنید (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation>درجه زاویه صبح را وارد کنید (از مقدار زاویه امساک/عشا تا ‎-1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation>دقیقه زاویه صبح را وارد کنید (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation>درجه زاویه عشا را وارد کنید (‎-20 تا ‎-1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation>دقیقه زاویه عشا را وارد کنید (0-59)</translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation>تعداد دقیقه‌هایی را که به وقت مغرب افزوده می‌شود وارد کنید</translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation>از فهرست انتخاب کنید که نتیجه با دقیقه نمایش داده شود یا با ثانیه. این تنظیم بر محاسبه اثری ندارد</translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation>قاعده‌ای را که در عرض‌های بالا به کار می‌رود از فهرست انتخاب کنید. وقتی اوقات معمول محاسبه‌پذیر نباشند، این قاعده اوقات جایگزین را محاسبه می‌کند</translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation>شعاع ناحیه‌ای را که برای آن محاسبه می‌کنید به کیلومتر وارد کنید (0-100)</translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation>تعداد ثانیه‌های تصحیح را وارد کنید. ثانیه‌های تصحیح به اوقات شرعی افزوده یا از آن‌ها کاسته می‌شوند تا خطاهای احتمالی محاسبه جبران شود</translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation>حد رؤیت را به درجه وارد کنید (0-20)</translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation>حد رؤیت را به دقیقه وارد کنید (0-59)</translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation>تعداد روزهای تنظیم تاریخ ژولینی/گریگوری نسبت به قمری را وارد کنید (0-3 روز)</translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation>برای فعال کردن اعلان‌گر این گزینه را علامت بزنید</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation>این گزینه را علامت بزنید تا رایانه هنگام رسیدن وقت نماز یک فایل صوتی WAV پخش کند</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation>این گزینه را علامت بزنید تا رایانه چند دقیقه پیش از وقت نماز یک فایل صوتی WAV پخش کند</translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation>برای انتخاب فایل صوتی اینجا کلیک کنید</translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation>نام فایل صوتی را که پخش می‌شود وارد کنید. مسیر کامل لازم است</translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation>گزینه نمازی را علامت بزنید که می‌خواهید هنگام رسیدن وقتش رایانه فایل صوتی پخش کند</translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation>تعداد دقیقه‌ها نشان می‌دهد فایل صوتی چند دقیقه پیش از وقت نماز پخش شود</translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation>برنامه‌ای را که گزارش‌های ماهانه و سالانه (Kelmo.out) را باز می‌کند انتخاب کنید یا نامش را بنویسید؛ پیش‌فرض میزکار آن‌ها را همان‌طور باز می‌کند که میزکار فایل‌های متنی را باز می‌کند</translation>
    </message>
    <message>
        <source>Press here to select the program</source>
        <translation>برای انتخاب برنامه اینجا کلیک کنید</translation>
    </message>
    <message>
        <source>Press to cancel the changes.</source>
        <translation>برای لغو تغییرات کلیک کنید.</translation>
    </message>
    <message>
        <source>Press to confirm the changes.</source>
        <translation>برای تأیید تغییرات کلیک کنید.</translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation>تغییر پوشه اجرای خودکار برای %1 ممکن نشد!	</translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation>نوشتن یا حذف مدخل اجرای خودکار %1 ممکن نشد!	</translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation>پیش‌فرض میزکار</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation>زبان پنجره‌ها را انتخاب کنید؛ «سیستم» از زبان میزکار پیروی می‌کند</translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation>زبان انتخاب‌شده از اجرای بعدی KelmoTimes به کار می‌رود.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سیستم</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartPicture</name>
    <message>
        <source>supplied by the rule &quot;%1&quot;</source>
        <translation>تعیین‌شده با قاعده «%1»</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>ساعت تابستانی</translation>
    </message>
    <message>
        <source>today</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>first day of a Hijri month (crescent at the place)</source>
        <translation>روز اول ماه قمری (هلال در محل)</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation>نمودار اوقات شرعی %1</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>ذخیره به‌صورت &amp;PNG...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>ذخیره به‌صورت &amp;SVG...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بستن</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>یک عدد صحیح وارد کنید.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>یک عدد صحیح بین %1 و %2 وارد کنید.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>بیش از %1 نویسه وارد نکنید.</translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation>نویسه کنترلی وارد نکنید (مانند پایان سطر، تب یا ESC).</translation>
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
        <translation>نوع محاسبه</translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation>محاسبه برای یک روز</translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation>محاسبه برای یک ماه</translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation>محاسبه برای یک سال</translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation>نوع تاریخ</translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation>ژولینی-گریگوری</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>قمری</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>تنظیم</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تبدیل</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation>یکی از گزینه‌ها را علامت بزنید تا معلوم شود محاسبه برای یک روز، یک ماه یا یک سال است</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation>برای انتخاب نوع تاریخ (ژولینی/گریگوری یا قمری) یکی از گزینه‌ها را علامت بزنید</translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation>روز مورد نظر را وارد کنید</translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation>ماه مورد نظر را انتخاب کنید</translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation>سال مورد نظر را وارد کنید (سال قمری از 1 تا 6000 و سال ژولینی/گریگوری از ‎-2000 تا 6000)</translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation>برای لغو تغییرات کلیک کنید</translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation>برای تأیید تغییرات کلیک کنید</translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation>برای تبدیل تاریخ انتخاب‌شده کلیک کنید</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation>تاریخ انتخاب‌شده برابر است با %1، %2 %3 %4 م</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation>تاریخ انتخاب‌شده برابر است با %1، %2 %3 %4 ق</translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation>تاریخ انتخاب‌شده پیش از هجرت است                   </translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation>تاریخ انتخاب‌شده بیرون از تقویم ام‌القری است (1300 تا 1600 ق)</translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation>تاریخ قمری معتبری محاسبه نشد                </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation>مکانی را که اوقات شرعی آن را می‌خواهید و مذهب فقهی خود را انتخاب کنید. دکمه‌های «مکان» و «تنظیمات» در پنجره اصلی بعداً آن‌ها را تغییر می‌دهند.</translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation>به KelmoTimes خوش آمدید</translation>
    </message>
    <message>
        <source>School of law</source>
        <translation>مذهب فقهی</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>روش محاسبه</translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation>مکانی از فهرست</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>جستجو</translation>
    </message>
    <message>
        <source>A new place</source>
        <translation>مکانی تازه</translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation>شهر،کشور</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation>عرض جغرافیایی (شمال +)</translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation>طول جغرافیایی (شرق +)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>منطقه زمانی</translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation>نام مکان تازه را وارد کنید.</translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation>این مکان در فهرست هست: آن را از فهرست انتخاب کنید.</translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation>یک منطقه زمانی از فهرست انتخاب کنید.</translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation>یک مکان از فهرست انتخاب کنید.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::HelpWindow</name>
    <message>
        <source>KelmoTimes Help</source>
        <translation>راهنمای KelmoTimes</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>راهنما باز نشد.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::LocDlg</name>
    <message>
        <source>First</source>
        <translation>اولین</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>دومین</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>سومین</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>چهارمین</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>آخرین</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a week of the month and a weekday</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>مکان</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>نام جدید</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>عرض جغرافیایی</translation>
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
        <translation>طول جغرافیایی</translation>
    </message>
    <message>
        <source>E</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>منطقه زمانی</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ساعت</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>ارتفاع</translation>
    </message>
    <message>
        <source>DST Available</source>
        <translation>ساعت تابستانی</translation>
    </message>
    <message>
        <source>No</source>
        <translation>خیر</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>بله</translation>
    </message>
    <message>
        <source>DST Start date</source>
        <translation>آغاز ساعت تابستانی</translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation>پایان ساعت تابستانی</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>منطقه زمانی</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>SelectPlace</source>
        <translation>انتخاب مکان</translation>
    </message>
    <message>
        <source>SelectHome</source>
        <translation>تنظیم پیش‌فرض</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تغییر</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation>نام مکان را وارد کنید</translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation>درجه عرض جغرافیایی را وارد کنید (0-90)</translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation>دقیقه عرض جغرافیایی را وارد کنید (0-59)</translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation>ثانیه عرض جغرافیایی را وارد کنید (0-59). اگر لازم نیست صفر بگذارید</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation>برای تعیین جهت عرض جغرافیایی (شمال یا جنوب) یکی از گزینه‌ها را علامت بزنید</translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation>درجه طول جغرافیایی را وارد کنید (0-180)</translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation>دقیقه طول جغرافیایی را وارد کنید (0-59)</translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation>ثانیه طول جغرافیایی را وارد کنید (0-59). اگر لازم نیست صفر بگذارید</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation>برای تعیین جهت طول جغرافیایی (شرق یا غرب) یکی از گزینه‌ها را علامت بزنید</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation>برای تعیین علامت منطقه زمانی یکی از گزینه‌ها را علامت بزنید. اگر مکان در شرق گرینویچ است + و اگر در غرب است - را انتخاب کنید</translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation>تعداد ساعت‌های منطقه زمانی را وارد کنید (0-24)</translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation>تعداد دقیقه‌های منطقه زمانی را وارد کنید (0-59)</translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation>ارتفاع مکان را به متر وارد کنید (‎-999 تا 9999)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation>یکی از گزینه‌ها را علامت بزنید تا معلوم شود ساعت تابستانی به کار می‌رود یا نه</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation>روز آغاز ساعت تابستانی را از فهرست انتخاب کنید</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation>ماه آغاز ساعت تابستانی را از فهرست انتخاب کنید</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation>روز پایان ساعت تابستانی را از فهرست انتخاب کنید</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation>ماه پایان ساعت تابستانی را از فهرست انتخاب کنید</translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation>برای افزودن مکان به پایگاه داده کلیک کنید</translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation>برای حذف مکان از پایگاه داده کلیک کنید</translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation>برای تغییر داده‌های مکان کلیک کنید. به یاد داشته باشید که نام مکان را نمی‌توان تغییر داد. باید آن را حذف و دوباره اضافه کنید</translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation>برای اینکه مکان انتخاب‌شده همیشه پیش‌فرض باشد کلیک کنید</translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation>برای اینکه مکان انتخاب‌شده فقط در این نشست پیش‌فرض باشد کلیک کنید (با اجرای دوباره KelmoTimes مکان خانه پیش‌فرض خواهد بود)</translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation>برای بستن پنجره مکان کلیک کنید</translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation>منطقه زمانی مکان را انتخاب کنید (برای جستجو بنویسید) تا ساعت و ساعت تابستانی آن از پایگاه داده مناطق زمانی سیستم گرفته شود، یا «هیچ» را انتخاب کنید</translation>
    </message>
    <message>
        <source>none</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation>مکان بیشتری نمی‌توان افزود!	
</translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation>این مکان از قبل در پایگاه داده هست!	
</translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation>این مکان در پایگاه داده نیست!	
</translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation>پیش از حذف این مکان، مکان خانه دیگری انتخاب کنید!	
</translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation>باید نام مکان را بنویسید!	
</translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation>یک منطقه زمانی از فهرست یا «هیچ» را انتخاب کنید!	
</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation>روش محاسبه</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>تقویم قمری</translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation>مرجعی را که مسجد شما از روش آن پیروی می‌کند انتخاب کنید؛ Custom (سفارشی) زاویه‌هایی را که تنظیم کرده‌اید نگه می‌دارد</translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation>تقویم تاریخ‌های قمری را انتخاب کنید: هلال دیده‌شده در محل، تقویم رسمی ام‌القری (1300 تا 1600 ق) یا تقویم جدولی</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation>نماز %1 ساعت %2</translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation>برای دیدن منو کلیک کنید.</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>منو</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>کوچک کردن</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>اجرای KelmoTimes</translation>
    </message>
    <message>
        <source>Close Notifier</source>
        <translation>بستن اعلان‌گر</translation>
    </message>
    <message>
        <source>Close Notifier and Timer</source>
        <translation>بستن اعلان‌گر و زمان‌سنج</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>زمان باقی‌مانده: %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation>سایه</translation>
    </message>
    <message>
        <source>N</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>E</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>S</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>قبله</translation>
    </message>
    <message>
        <source>Qibla determination method</source>
        <translation>روش تعیین قبله</translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation>از شمال جغرافیایی</translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation>از شمال مغناطیسی</translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation>از سایه خورشید</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Qibla for %1</source>
        <translation>قبله %1</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Geographic North</source>
        <translation>این گزینه را علامت بزنید تا جهت قبله ساعتگرد از شمال جغرافیایی محاسبه شود</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation>این گزینه را علامت بزنید تا جهت قبله ساعتگرد از شمال مغناطیسی محاسبه شود</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation>این گزینه را علامت بزنید تا جهت قبله ساعتگرد از جهت سایه خورشید محاسبه شود</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::TodayPanel</name>
    <message>
        <source>Today</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>%1 tomorrow in %2</source>
        <translation>%2 مانده به %1 فردا</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%2 مانده به %1</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1، %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <comment>day, Hijri month, Hijri year</comment>
        <translation>%1 %2 %3 ق</translation>
    </message>
</context>
</TS>
