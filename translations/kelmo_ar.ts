<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation>تعذر حساب وقت صلاة صحيح!</translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation>تعذر فتح ملف الإعدادات!</translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation>ملف الإعدادات فارغ!</translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation>ملف الإعدادات تالف!</translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation>الموقع الافتراضي غير موجود في ملف الإعدادات!</translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation>تعذر إنشاء ملف الإعدادات!</translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation>تعذرت الكتابة في ملف الإعدادات!</translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation>تعذر فتح ملف الإعدادات للكتابة!</translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation>المذهب والصلوات المختارة لتشغيل الصوت لا تتوافق!</translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation>تعذر العثور على مشغل الصوت!</translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation>تعذر فتح ملف الصوت!</translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation>تعذر فتح ملف الصوت (صوت ما قبل الوقت)!</translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation>لم تُختر أي صلاة لتشغيل الصوت!</translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation>تعذر الحصول على مسار المجلد الحالي!</translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation>تعذر فتح سجل Windows!</translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation>تعذر تعديل سجل Windows!</translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation>تعذر فتح الملف المؤقت!</translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation>ملف الإعدادات كبير جدًا!</translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation>تعذرت قراءة المنطقة الزمنية للموقع!</translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation>يجب كتابة اسم الموقع!</translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation>قيمة خط العرض خاطئة!</translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation>قيمة خط الطول خاطئة!</translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation>قيمة المنطقة الزمنية غير صحيحة!</translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation>تاريخ بدء التوقيت الصيفي غير صحيح!</translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation>تاريخ انتهاء التوقيت الصيفي غير صحيح!</translation>
    </message>
    <message>
        <source>Incorrect Fajr angle!</source>
        <translation>زاوية الفجر غير صحيحة!</translation>
    </message>
    <message>
        <source>Incorrect Imsak angle!</source>
        <translation>زاوية الإمساك غير صحيحة!</translation>
    </message>
    <message>
        <source>Invalid date is chosen!</source>
        <translation>التاريخ المختار غير صالح!</translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation>تعذر تحويل التاريخ المختار!</translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation>التاريخ خارج تقويم أم القرى (1300-1600 هـ)!</translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation>تعذر فتح ملف الإخراج!</translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation>تعذرت الكتابة في ملف الإخراج!</translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation>تعذر عرض ملف الإخراج!</translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation>تعذر تشغيل مشغل الصوت!</translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation>تعذر إيقاف مشغل الصوت!</translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation>تعذر تشغيل KelmoTimes!</translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation>تعذرت قراءة سطر الأوامر!</translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation>تعذر تصغير نافذة المنبّه!</translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation>تعذرت قراءة معلومات القبلة!</translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation>مؤقت Kelmo أو منبّه Kelmo يعمل بالفعل!</translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation>تعذر تحديث عملية المؤقت والمنبّه!</translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation>تعذر عرض الحالة!</translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation>لا يمكن حساب اتجاه القبلة!</translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation>هل تريد إنشاء ملف إعدادات جديد؟</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>خطأ غير معروف!</translation>
    </message>
</context>
<context>
    <name>kelmo::platform::MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Athan</name>
    <message>
        <source>It is time for %1 prayer</source>
        <translation>حان وقت صلاة %1</translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation>بدأت صلاة %1 الساعة %2</translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation>بدأت هذه الصلاة منذ %1 دقيقة</translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation>بدأت هذه الصلاة منذ %1 ساعة و%2 دقيقة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>Today is %1,</source>
        <translation>اليوم %1،</translation>
    </message>
    <message>
        <source>%1/%2/%3 AD</source>
        <translation>%1/%2/%3 م</translation>
    </message>
    <message>
        <source>%1/%2/%3 AH</source>
        <translation>%1/%2/%3 هـ</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>في %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::BackgroundMode</name>
    <message>
        <source>Kelmo Timer not started: </source>
        <translation>لم يبدأ مؤقت Kelmo: </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation>عن KelmoTimes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoDlg</name>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation>اضغط لتحديد التاريخ المطلوب</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation>اضغط لاختيار موقع أو تعديل قاعدة المواقع</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Press to manipulate configuration parameters</source>
        <translation>اضغط لتعديل الإعدادات</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>الصلاة</translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation>اضغط لحساب مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation>اضغط لحساب بيانات القمر وبداية الشهر الهجري</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>القبلة</translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation>اضغط لحساب اتجاه القبلة والمسافة إلى مكة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>Press to view the online help</source>
        <translation>اضغط لعرض المساعدة</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>أنهِ</translation>
    </message>
    <message>
        <source>Press to terminate the program</source>
        <translation>اضغط لإنهاء البرنامج</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;صغّر</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>أ&amp;غلق</translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation>&amp;مخطط الصلاة...</translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation>&amp;عن KelmoTimes</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoFrm</name>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>شغّل KelmoTimes</translation>
    </message>
    <message>
        <source>Terminate Timer</source>
        <translation>أنهِ المؤقت</translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation>أنهِ المؤقت والمنبّه</translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation>%1 (التالية)</translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation>KelmoTimes: لا صلاة مجدولة</translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation>الصلاة التالية: %1 الساعة %2
الوقت المتبقي: %3
في %4</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>Kelmo Timer is active 
%1 prayer starts at %2 
in %3</source>
        <translation>مؤقت Kelmo يعمل 
تبدأ صلاة %1 الساعة %2 
في %3</translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation>تعذرت قراءة Kelmo.cfg؛ يستمر المؤقت بآخر إعدادات سليمة.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation>دقائق محددة للفجر والعشاء</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>المذهب</translation>
    </message>
    <message>
        <source>Imsak angle</source>
        <translation>زاوية الإمساك</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation>زاوية الفجر</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>زاوية العشاء</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation>قاعدة خطوط العرض العليا</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation>تعديل التقويم الهجري بـ</translation>
    </message>
    <message>
        <source>days</source>
        <translation>أيام</translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation>تصحيح المواقيت بـ</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>ثوان</translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation>حد رؤية الهلال</translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation>إضافة إلى المغرب</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Distance from center</source>
        <translation>المسافة من المركز</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Sound and Notifier</source>
        <translation>الصوت والمنبّه</translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation>تفعيل المنبّه</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>sound file</source>
        <translation>ملف الصوت</translation>
    </message>
    <message>
        <source>at</source>
        <translation>عند</translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation>دقائق قبل وقت الصلاة</translation>
    </message>
    <message>
        <source>Open month and year reports with</source>
        <translation>فتح تقارير الشهر والسنة بـ</translation>
    </message>
    <message>
        <source>program</source>
        <translation>البرنامج</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Choose the applied Fiqh from list</source>
        <translation>اختر المذهب المتّبع من القائمة</translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation>حدد درجات زاوية الإمساك (-20 إلى -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation>حدد دقائق زاوية الإمساك (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation>حدد درجات زاوية الفجر (من قيمة زاوية الإمساك/العشاء إلى -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation>حدد دقائق زاوية الفجر (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation>حدد درجات زاوية العشاء (-20 إلى -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation>حدد دقائق زاوية العشاء (0-59)</translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation>حدد عدد الدقائق المضافة إلى وقت المغرب</translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation>اختر من القائمة عرض النتائج بالدقائق أو بالثواني. لا يؤثر هذا الإعداد في الحساب</translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation>اختر من القائمة القاعدة المتبعة في خطوط العرض العليا. تُحسب بها مواقيت بديلة حين يتعذر حساب المواقيت المعتادة</translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation>حدد نصف قطر المنطقة التي تريد الحساب لها بالكيلومترات (0-100)</translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation>حدد ثواني التصحيح، وهي ثوانٍ تضاف إلى مواقيت الصلاة أو تطرح منها لتعويض أخطاء الحساب المحتملة</translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation>حدد حد الرؤية بالدرجات (0-20)</translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation>حدد حد الرؤية بالدقائق (0-59)</translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation>حدد عدد أيام تعديل التاريخ الميلادي بالنسبة إلى الهجري (0-3 أيام)</translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation>حدد هذا المربع لتفعيل المنبّه</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation>حدد هذا المربع ليشغّل حاسوبك ملف صوت WAV عند دخول وقت الصلاة</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation>حدد هذا المربع ليشغّل حاسوبك ملف صوت WAV قبل وقت الصلاة بدقائق</translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation>اضغط هنا لاختيار ملف الصوت</translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation>حدد اسم ملف الصوت المراد تشغيله. يلزم المسار الكامل</translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation>حدد مربع الصلاة التي تريد أن يشغّل الحاسوب ملف الصوت عند دخول وقتها</translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation>عدد الدقائق التي يُشغَّل فيها ملف الصوت قبل وقت الصلاة</translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation>اختر البرنامج الذي يفتح تقارير الشهر والسنة (Kelmo.out) أو اكتب اسمه؛ «افتراضي سطح المكتب» يفتحها كما يفتح سطح المكتب الملفات النصية</translation>
    </message>
    <message>
        <source>Press here to select the program</source>
        <translation>اضغط هنا لاختيار البرنامج</translation>
    </message>
    <message>
        <source>Press to cancel the changes.</source>
        <translation>اضغط لإلغاء التغييرات.</translation>
    </message>
    <message>
        <source>Press to confirm the changes.</source>
        <translation>اضغط لتأكيد التغييرات.</translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation>تعذر تغيير مجلد التشغيل التلقائي لـ %1!	</translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation>تعذرت كتابة مدخل التشغيل التلقائي %1 أو إزالته!	</translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation>افتراضي سطح المكتب</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation>اختر لغة النوافذ؛ «النظام» يتبع لغة سطح المكتب</translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation>يستخدم KelmoTimes اللغة المختارة من تشغيله التالي.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartPicture</name>
    <message>
        <source>supplied by the rule &quot;%1&quot;</source>
        <translation>محسوب وفق القاعدة «%1»</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <source>today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>first day of a Hijri month (crescent at the place)</source>
        <translation>أول يوم من شهر هجري (رؤية الهلال في المكان)</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation>مخطط الصلاة لـ %1</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>احفظ بصيغة &amp;PNG...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>احفظ بصيغة &amp;SVG...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>أ&amp;غلق</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>أدخل عددًا صحيحًا.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>أدخل عددًا صحيحًا بين %1 و%2.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>أدخل %1 حرفًا على الأكثر.</translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation>لا تُدخل محارف تحكم (مثل نهاية السطر أو الجدولة أو ESC).</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DateDlg</name>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Type of calculation</source>
        <translation>نوع الحساب</translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation>حساب ليوم</translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation>حساب لشهر</translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation>حساب لسنة</translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation>نوع التاريخ</translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation>ميلادي</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>عيّن</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>حوّل</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation>اختر أحد الخيارات لتحديد الحساب ليوم أو شهر أو سنة</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation>اختر أحد الخيارين لتحديد نوع التاريخ (ميلادي أو هجري)</translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation>حدد اليوم المطلوب</translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation>اختر الشهر المطلوب</translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation>اختر السنة المطلوبة (للسنة الهجرية من 1 إلى 6000، وللميلادية من -2000 إلى 6000)</translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation>اضغط لإلغاء التغييرات</translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation>اضغط لتأكيد التغييرات</translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation>اضغط لتحويل التاريخ المختار</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation>التاريخ المختار يوافق %1، %2/%3/%4 م</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation>التاريخ المختار يوافق %1، %2/%3/%4 هـ</translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation>التاريخ المختار قبل الهجرة                   </translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation>التاريخ المختار خارج تقويم أم القرى (1300 إلى 1600 هـ)</translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation>تعذر حساب تاريخ هجري صحيح                </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation>اختر المكان الذي تريد مواقيت صلاته ومذهبك الفقهي. يغيّرهما لاحقًا زرّا «الموقع» و«الإعدادات» في النافذة الرئيسية.</translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation>مرحبًا بك في KelmoTimes</translation>
    </message>
    <message>
        <source>School of law</source>
        <translation>المذهب</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation>مكان من القائمة</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>A new place</source>
        <translation>مكان جديد</translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation>المدينة، البلد</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation>خط العرض (الشمال +)</translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation>خط الطول (الشرق +)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation>أدخل اسم المكان الجديد.</translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation>هذا المكان في القائمة: اختره منها.</translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation>اختر منطقة زمنية من القائمة.</translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation>اختر مكانًا من القائمة.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::HelpWindow</name>
    <message>
        <source>KelmoTimes Help</source>
        <translation>مساعدة KelmoTimes</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>تعذر فتح المساعدة.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::LocDlg</name>
    <message>
        <source>First</source>
        <translation>الأول</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>الثاني</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>الثالث</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>الرابع</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>الأخير</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a week of the month and a weekday</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>الاسم الجديد</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>N</source>
        <translation>ش</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>E</source>
        <translation>ق</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غ</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>غرينتش</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>DST Available</source>
        <translation>توقيت صيفي</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>DST Start date</source>
        <translation>بدء التوقيت الصيفي</translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation>نهاية التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>SelectPlace</source>
        <translation>اختر المكان</translation>
    </message>
    <message>
        <source>SelectHome</source>
        <translation>اجعله الأساسي</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>عدّل</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>أزل</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>أضف</translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation>حدد اسم الموقع</translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation>حدد خط العرض بالدرجات (0-90)</translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation>حدد خط العرض بالدقائق (0-59)</translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation>حدد خط العرض بالثواني (0-59). اجعلها صفرًا إن لم تُستخدم</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation>اختر أحد الخيارين لتحديد اتجاه خط العرض (شمال أو جنوب)</translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation>حدد خط الطول بالدرجات (0-180)</translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation>حدد خط الطول بالدقائق (0-59)</translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation>حدد خط الطول بالثواني (0-59). اجعلها صفرًا إن لم تُستخدم</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation>اختر أحد الخيارين لتحديد اتجاه خط الطول (شرق أو غرب)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation>اختر أحد الخيارين لتحديد إشارة المنطقة الزمنية: + إن كان الموقع شرق غرينتش و- إن كان غربها</translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation>حدد ساعات المنطقة الزمنية (0-24)</translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation>حدد دقائق المنطقة الزمنية (0-59)</translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation>حدد ارتفاع الموقع بالأمتار (-999 إلى 9999)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation>اختر أحد الخيارين لتحديد استخدام التوقيت الصيفي من عدمه</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation>اختر من القائمة يوم بدء التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation>اختر من القائمة شهر بدء التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation>اختر من القائمة يوم نهاية التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation>اختر من القائمة شهر نهاية التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation>اضغط لإضافة الموقع إلى قاعدة البيانات</translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation>اضغط لإزالة الموقع من قاعدة البيانات</translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation>اضغط لتعديل بيانات الموقع. تذكّر أنه لا يمكن تغيير اسم الموقع؛ عليك إزالته ثم إضافته</translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation>اضغط لجعل الموقع المختار الافتراضي دائمًا</translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation>اضغط لجعل الموقع المختار الافتراضي لهذه الجلسة (أي عند تشغيل KelmoTimes مجددًا يعود الموقع الأساسي هو الافتراضي)</translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation>اضغط لإغلاق نافذة الموقع</translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation>اختر المنطقة الزمنية للموقع (اكتب للبحث) ليؤخذ توقيته وتوقيته الصيفي من قاعدة المناطق الزمنية للنظام، أو «بلا»</translation>
    </message>
    <message>
        <source>none</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation>لا يمكنك إضافة مزيد من المواقع!	
</translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation>الموقع موجود بالفعل في قاعدة البيانات!	
</translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation>الموقع غير موجود في قاعدة البيانات!	
</translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation>اختر موقعًا أساسيًا آخر قبل إزالة هذا!	
</translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation>يجب كتابة اسم الموقع!	
</translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation>اختر منطقة زمنية من القائمة أو «بلا»!	
</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>التقويم الهجري</translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation>اختر الجهة التي يتبع مسجدك طريقتها؛ «Custom» يُبقي الزوايا التي حددتها</translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation>اختر تقويم التواريخ الهجرية: رؤية الهلال في المكان، أو تقويم أم القرى الرسمي (1300 إلى 1600 هـ)، أو الجدولي</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation>تبدأ صلاة %1 الساعة %2</translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation>اضغط لعرض القائمة.</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>إجراء</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>صغّر</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>شغّل KelmoTimes</translation>
    </message>
    <message>
        <source>Close Notifier</source>
        <translation>أغلق المنبّه</translation>
    </message>
    <message>
        <source>Close Notifier and Timer</source>
        <translation>أغلق المنبّه والمؤقت</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>المتبقي: %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation>الظل</translation>
    </message>
    <message>
        <source>N</source>
        <translation>ش</translation>
    </message>
    <message>
        <source>E</source>
        <translation>ق</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غ</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>القبلة</translation>
    </message>
    <message>
        <source>Qibla determination method</source>
        <translation>طريقة تحديد القبلة</translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation>من الشمال الجغرافي</translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation>من الشمال المغناطيسي</translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation>من ظل الشمس</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>Qibla for %1</source>
        <translation>القبلة في %1</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Geographic North</source>
        <translation>حدد لحساب اتجاه القبلة مع عقارب الساعة من الشمال الجغرافي</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation>حدد لحساب اتجاه القبلة مع عقارب الساعة من الشمال المغناطيسي</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation>حدد لحساب اتجاه القبلة مع عقارب الساعة من اتجاه ظل الشمس</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::TodayPanel</name>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>%1 tomorrow in %2</source>
        <translation>%1 غدًا بعد %2</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 بعد %2</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1، %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <comment>day, Hijri month, Hijri year</comment>
        <translation>%1 %2 %3 هـ</translation>
    </message>
</context>
</TS>
