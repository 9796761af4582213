#include "files/error_messages.h"

namespace kelmo {

const char* errorMessage(int code) {
    switch (code) {
        // Code 10 reports a failure: the prayer time could not be calculated.
        case 10:
            return "Could not calculate valid prayer time!\t";
        case 100:
            return "Could not open configuration file!\t";
        case 101:
            return "Configuration file is empty!\t";
        case 102:
            return "Configuration file is corrupt!\t";
        case 103:
            return "Default location is not found in configuration file!\t";
        case 104:
            return "Could not create configuration file!\t";
        case 105:
            return "Could not write into configuration file!\t";
        case 106:
            return "Could not open configuration file for writing!\t";
        case 107:
            return "Invalid combination of Fiqh and prayers chosen for sound play!\t";
        case 108:
            return "Could not find sound player!\t";
        case 109:
            return "Could not open sound file!\t";
        case 110:
            return "Could not open sound file (pre-play sound file)!\t";
        case 112:
            return "No prayer is chosen for sound play!\t";
        case 113:
            return "Could not get current directory path!\t";
        case 114:
            return "Could not open Windows Registry!\t";
        case 115:
            return "Could not modify Windows Registry!\t";
        case 116:
            return "Could not open temporary file!\t";
        case 117:
            return "Configuration file is too large!\t";
        case 118:
            return "Could not read the time zone of the location!\t";
        case 200:
            return "You have to type a location name!\t";
        case 201:
            return "Wrong latitude value!\t";
        case 202:
            return "Wrong longitude value!\t";
        case 203:
            return "Incorrect time zone value!\t";
        case 204:
            return "Incorrect DST start date!\t";
        case 205:
            return "Incorrect DST end date!\t";
        case 300:
            return "Incorrect Fajr angle!\t";
        case 301:
            return "Incorrect Imsak angle!\t";
        case 400:
            return "Invalid date is chosen!\t";
        case 401:
            return "Could not convert chosen date!\t";
        case 500:
            return "Could not open output file!\t";
        case 501:
            return "Could not write into output file!\t";
        case 502:
            return "Could not view output file!\t";
        case 503:
            return "Could not start sound player!\t";
        case 504:
            return "Could not terminate sound player!\t";
        case 505:
            return "Could not start KelmoTimes!\t";
        case 600:
            return "Could not read command line!\t";
        case 601:
            return "Could not minimize Notifier window!\t";
        case 700:
            return "Could not read Qibla information!\t";
        case 800:
            return "Kelmo Timer or Kelmo Notifier is already started!\t";
        case 801:
            return "Could not update the Timer and Notifier process!\t";
        case 802:
            return "Could not show status!\t";
        case 902:
            return "Not possible to calculate the direction of Qibla!\t";
        default:
            return "Unknown error!\t";
    }
}

std::string errorText(int code) {
    std::string text = errorMessage(code);
    text.pop_back();  // every text ends in its TAB
    return text;
}

}  // namespace kelmo
