<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Fajr angle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Imsak angle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid date is chosen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::platform::MessageDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Athan</name>
    <message>
        <source>It is time for %1 prayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today is %1,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2/%3 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2/%3 AH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::BackgroundMode</name>
    <message>
        <source>Kelmo Timer not started: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoDlg</name>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to manipulate configuration parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to view the online help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to terminate the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoFrm</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminate Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelmo Timer is active 
%1 prayer starts at %2 
in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imsak angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance from center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound and Notifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open month and year reports with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the applied Fiqh from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press here to select the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to cancel the changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to confirm the changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartPicture</name>
    <message>
        <source>supplied by the rule &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>summer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first day of a Hijri month (crescent at the place)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter only letters that Windows-1252 can hold
(Latin letters, digits and signs): Kelmo.cfg cannot store the others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DateDlg</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School of law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::HelpWindow</name>
    <message>
        <source>KelmoTimes Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::LocDlg</name>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a week of the month and a weekday</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SelectPlace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SelectHome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Notifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Notifier and Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qibla determination method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qibla for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Geographic North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelmo::ui::TodayPanel</name>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tomorrow in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <comment>day, Hijri month, Hijri year</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
