<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>kelmo::ErrorMessages</name>
    <message>
        <source>Could not calculate valid prayer time!</source>
        <translation>Impossible de calculer une heure de prière valide !</translation>
    </message>
    <message>
        <source>Could not open configuration file!</source>
        <translation>Impossible d&apos;ouvrir le fichier de configuration !</translation>
    </message>
    <message>
        <source>Configuration file is empty!</source>
        <translation>Le fichier de configuration est vide !</translation>
    </message>
    <message>
        <source>Configuration file is corrupt!</source>
        <translation>Le fichier de configuration est corrompu !</translation>
    </message>
    <message>
        <source>Default location is not found in configuration file!</source>
        <translation>Le lieu par défaut est introuvable dans le fichier de configuration !</translation>
    </message>
    <message>
        <source>Could not create configuration file!</source>
        <translation>Impossible de créer le fichier de configuration !</translation>
    </message>
    <message>
        <source>Could not write into configuration file!</source>
        <translation>Impossible d&apos;écrire dans le fichier de configuration !</translation>
    </message>
    <message>
        <source>Could not open configuration file for writing!</source>
        <translation>Impossible d&apos;ouvrir le fichier de configuration en écriture !</translation>
    </message>
    <message>
        <source>Invalid combination of Fiqh and prayers chosen for sound play!</source>
        <translation>Combinaison de fiqh et de prières invalide pour le son !</translation>
    </message>
    <message>
        <source>Could not find sound player!</source>
        <translation>Lecteur de son introuvable !</translation>
    </message>
    <message>
        <source>Could not open sound file!</source>
        <translation>Impossible d&apos;ouvrir le fichier son !</translation>
    </message>
    <message>
        <source>Could not open sound file (pre-play sound file)!</source>
        <translation>Impossible d&apos;ouvrir le fichier son (son d&apos;avant la prière) !</translation>
    </message>
    <message>
        <source>No prayer is chosen for sound play!</source>
        <translation>Aucune prière n&apos;est choisie pour le son !</translation>
    </message>
    <message>
        <source>Could not get current directory path!</source>
        <translation>Impossible d&apos;obtenir le chemin du dossier courant !</translation>
    </message>
    <message>
        <source>Could not open Windows Registry!</source>
        <translation>Impossible d&apos;ouvrir le registre de Windows !</translation>
    </message>
    <message>
        <source>Could not modify Windows Registry!</source>
        <translation>Impossible de modifier le registre de Windows !</translation>
    </message>
    <message>
        <source>Could not open temporary file!</source>
        <translation>Impossible d&apos;ouvrir le fichier temporaire !</translation>
    </message>
    <message>
        <source>Configuration file is too large!</source>
        <translation>Le fichier de configuration est trop grand !</translation>
    </message>
    <message>
        <source>Could not read the time zone of the location!</source>
        <translation>Impossible de lire le fuseau horaire du lieu !</translation>
    </message>
    <message>
        <source>You have to type a location name!</source>
        <translation>Vous devez saisir un nom de lieu !</translation>
    </message>
    <message>
        <source>Wrong latitude value!</source>
        <translation>Valeur de latitude erronée !</translation>
    </message>
    <message>
        <source>Wrong longitude value!</source>
        <translation>Valeur de longitude erronée !</translation>
    </message>
    <message>
        <source>Incorrect time zone value!</source>
        <translation>Valeur de fuseau horaire incorrecte !</translation>
    </message>
    <message>
        <source>Incorrect DST start date!</source>
        <translation>Date de début de l&apos;heure d&apos;été incorrecte !</translation>
    </message>
    <message>
        <source>Incorrect DST end date!</source>
        <translation>Date de fin de l&apos;heure d&apos;été incorrecte !</translation>
    </message>
    <message>
        <source>Incorrect Fajr angle!</source>
        <translation>Angle de Fajr incorrect !</translation>
    </message>
    <message>
        <source>Incorrect Imsak angle!</source>
        <translation>Angle d&apos;Imsak incorrect !</translation>
    </message>
    <message>
        <source>Invalid date is chosen!</source>
        <translation>La date choisie n&apos;est pas valide !</translation>
    </message>
    <message>
        <source>Could not convert chosen date!</source>
        <translation>Impossible de convertir la date choisie !</translation>
    </message>
    <message>
        <source>Date outside the Umm al-Qura calendar (1300-1600 AH)!</source>
        <translation>Date hors du calendrier Umm al-Qura (1300-1600 H) !</translation>
    </message>
    <message>
        <source>Could not open output file!</source>
        <translation>Impossible d&apos;ouvrir le fichier de sortie !</translation>
    </message>
    <message>
        <source>Could not write into output file!</source>
        <translation>Impossible d&apos;écrire dans le fichier de sortie !</translation>
    </message>
    <message>
        <source>Could not view output file!</source>
        <translation>Impossible d&apos;afficher le fichier de sortie !</translation>
    </message>
    <message>
        <source>Could not start sound player!</source>
        <translation>Impossible de démarrer le lecteur de son !</translation>
    </message>
    <message>
        <source>Could not terminate sound player!</source>
        <translation>Impossible d&apos;arrêter le lecteur de son !</translation>
    </message>
    <message>
        <source>Could not start KelmoTimes!</source>
        <translation>Impossible de démarrer KelmoTimes !</translation>
    </message>
    <message>
        <source>Could not read command line!</source>
        <translation>Impossible de lire la ligne de commande !</translation>
    </message>
    <message>
        <source>Could not minimize Notifier window!</source>
        <translation>Impossible de réduire la fenêtre du Notificateur !</translation>
    </message>
    <message>
        <source>Could not read Qibla information!</source>
        <translation>Impossible de lire les données de la Qibla !</translation>
    </message>
    <message>
        <source>Kelmo Timer or Kelmo Notifier is already started!</source>
        <translation>Le Minuteur ou le Notificateur Kelmo est déjà démarré !</translation>
    </message>
    <message>
        <source>Could not update the Timer and Notifier process!</source>
        <translation>Impossible de mettre à jour le processus du Minuteur et du Notificateur !</translation>
    </message>
    <message>
        <source>Could not show status!</source>
        <translation>Impossible d&apos;afficher l&apos;état !</translation>
    </message>
    <message>
        <source>Not possible to calculate the direction of Qibla!</source>
        <translation>Impossible de calculer la direction de la Qibla !</translation>
    </message>
    <message>
        <source>Do you want to create new configuration file?</source>
        <translation>Voulez-vous créer un nouveau fichier de configuration ?</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Erreur inconnue !</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Athan</name>
    <message>
        <source>It is time for %1 prayer</source>
        <translation>C&apos;est l&apos;heure de la prière de %1</translation>
    </message>
    <message>
        <source>%1 prayer is started %2</source>
        <translation>La prière de %1 a commencé à %2</translation>
    </message>
    <message>
        <source>This prayer began %1 min ago</source>
        <translation>Cette prière a commencé il y a %1 min</translation>
    </message>
    <message>
        <source>This prayer began %1 h %2 min ago</source>
        <translation>Cette prière a commencé il y a %1 h %2 min</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Today is %1,</source>
        <translation>Nous sommes %1,</translation>
    </message>
    <message>
        <source>%1/%2/%3 AD</source>
        <translation>%1/%2/%3 apr. J.-C.</translation>
    </message>
    <message>
        <source>%1/%2/%3 AH</source>
        <translation>%1/%2/%3 H</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>à %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::BackgroundMode</name>
    <message>
        <source>Kelmo Timer not started: </source>
        <translation>Minuteur Kelmo non démarré : </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CAboutDlg</name>
    <message>
        <source>About KelmoTimes</source>
        <translation>À propos de KelmoTimes</translation>
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
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Press to set the required date</source>
        <translation>Cliquez pour choisir la date voulue</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Press to select or manipulate the location database</source>
        <translation>Cliquez pour choisir ou modifier la base des lieux</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Press to manipulate configuration parameters</source>
        <translation>Cliquez pour modifier les paramètres de configuration</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Prière</translation>
    </message>
    <message>
        <source>Press to calculate prayer times</source>
        <translation>Cliquez pour calculer les heures de prière</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Press to calculate Moon data and the start of Islamic month</source>
        <translation>Cliquez pour calculer les données de la Lune et le début du mois islamique</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Qibla</translation>
    </message>
    <message>
        <source>Press to calculate Qibla direction and the distance to Mecca</source>
        <translation>Cliquez pour calculer la direction de la Qibla et la distance jusqu&apos;à La Mecque</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Press to view the online help</source>
        <translation>Cliquez pour afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Press to terminate the program</source>
        <translation>Cliquez pour quitter le programme</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Prayer &amp;chart...</source>
        <translation>&amp;Graphique des prières...</translation>
    </message>
    <message>
        <source>&amp;About KelmoTimes</source>
        <translation>À &amp;propos de KelmoTimes</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CKelmoFrm</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>Démarrer KelmoTimes</translation>
    </message>
    <message>
        <source>Terminate Timer</source>
        <translation>Arrêter le Minuteur</translation>
    </message>
    <message>
        <source>Terminate Timer and Notifier</source>
        <translation>Arrêter le Minuteur et le Notificateur</translation>
    </message>
    <message>
        <source>%1 (next)</source>
        <translation>%1 (suivante)</translation>
    </message>
    <message>
        <source>KelmoTimes: no prayer scheduled</source>
        <translation>KelmoTimes : aucune prière prévue</translation>
    </message>
    <message>
        <source>Next prayer: %1 at %2
Time left: %3
in %4</source>
        <translation>Prochaine prière : %1 à %2
Temps restant : %3
à %4</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Kelmo Timer is active 
%1 prayer starts at %2 
in %3</source>
        <translation>Le Minuteur Kelmo est actif 
La prière de %1 commence à %2 
à %3</translation>
    </message>
    <message>
        <source>Kelmo.cfg could not be read; the Timer goes on with its last good settings.</source>
        <translation>Kelmo.cfg est illisible ; le Minuteur continue avec ses derniers bons réglages.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::CfgDlg</name>
    <message>
        <source>n minutes for Fajr&amp;Isha prayers</source>
        <translation>n minutes pour les prières Fajr&amp;Isha</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>Fiqh</translation>
    </message>
    <message>
        <source>Imsak angle</source>
        <translation>Angle d&apos;Imsak</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation>Angle de Fajr</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Angle d&apos;Isha</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Rule at high latitudes</source>
        <translation>Règle aux hautes latitudes</translation>
    </message>
    <message>
        <source>Adjust Islamic calendar by</source>
        <translation>Décaler le calendrier islamique de</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Correct prayer times by</source>
        <translation>Corriger les heures de</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Moon visibility limit</source>
        <translation>Limite de visibilité lunaire</translation>
    </message>
    <message>
        <source>Add to Maghrib time</source>
        <translation>Ajouter à Maghrib</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Distance from center</source>
        <translation>Distance au centre</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Sound and Notifier</source>
        <translation>Son et Notificateur</translation>
    </message>
    <message>
        <source>Activate Notifier</source>
        <translation>Activer le Notificateur</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>sound file</source>
        <translation>fichier son</translation>
    </message>
    <message>
        <source>at</source>
        <translation>à</translation>
    </message>
    <message>
        <source>minutes before prayer time</source>
        <translation>minutes avant l&apos;heure de la prière</translation>
    </message>
    <message>
        <source>Open month and year reports with</source>
        <translation>Ouvrir les rapports du mois et de l&apos;année avec</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the applied Fiqh from list</source>
        <translation>Choisissez le fiqh appliqué dans la liste</translation>
    </message>
    <message>
        <source>Set the number of degrees for Imsak angle (-20 to -1)</source>
        <translation>Indiquez les degrés de l&apos;angle d&apos;Imsak (-20 à -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Imsak angle (0-59)</source>
        <translation>Indiquez les minutes de l&apos;angle d&apos;Imsak (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to -1)</source>
        <translation>Indiquez les degrés de l&apos;angle de Fajr (de la valeur de l&apos;angle d&apos;Imsak/Isha à -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Fajr angle (0-59)</source>
        <translation>Indiquez les minutes de l&apos;angle de Fajr (0-59)</translation>
    </message>
    <message>
        <source>Set the number of degrees for Isha angle (-20 to -1)</source>
        <translation>Indiquez les degrés de l&apos;angle d&apos;Isha (-20 à -1)</translation>
    </message>
    <message>
        <source>Set the number of minutes for Isha angle (0-59)</source>
        <translation>Indiquez les minutes de l&apos;angle d&apos;Isha (0-59)</translation>
    </message>
    <message>
        <source>Set the number of minutes to be added to the time of Maghrib</source>
        <translation>Indiquez le nombre de minutes à ajouter à l&apos;heure de Maghrib</translation>
    </message>
    <message>
        <source>Select from the list if you want view the result in minutes or seconds. The calculation are not effected by this setting</source>
        <translation>Choisissez dans la liste d&apos;afficher le résultat en minutes ou en secondes. Ce réglage ne change pas le calcul</translation>
    </message>
    <message>
        <source>Select from the list the rule to be used at high latitudes. This rule is used to calculate alternative prayer times when ordinary times can not be caculated</source>
        <translation>Choisissez dans la liste la règle à appliquer aux hautes latitudes. Elle donne des heures de prière de remplacement quand les heures ordinaires ne peuvent être calculées</translation>
    </message>
    <message>
        <source>Set the semidiameter of the area you want to calculate for, in kilometers (0-100)</source>
        <translation>Indiquez le rayon de la zone de calcul, en kilomètres (0-100)</translation>
    </message>
    <message>
        <source>Set the number of correcting seconds. The correcting seconds are the seconds added or subtracted from prayer times to compensate for eventual errors in calculation</source>
        <translation>Indiquez le nombre de secondes de correction, ajoutées aux heures de prière ou retranchées pour compenser d&apos;éventuelles erreurs de calcul</translation>
    </message>
    <message>
        <source>Set the visibilty limit in degrees (0-20)</source>
        <translation>Indiquez la limite de visibilité en degrés (0-20)</translation>
    </message>
    <message>
        <source>Set the visibilty limit in minutes (0-59)</source>
        <translation>Indiquez la limite de visibilité en minutes (0-59)</translation>
    </message>
    <message>
        <source>Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)</source>
        <translation>Indiquez le nombre de jours de décalage entre le calendrier julien/grégorien et le calendrier islamique (0-3 jours)</translation>
    </message>
    <message>
        <source>Check this check box to activate the Notifier</source>
        <translation>Cochez cette case pour activer le Notificateur</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file when prayer time occurred</source>
        <translation>Cochez cette case pour que l&apos;ordinateur joue un fichier son WAV à l&apos;heure de la prière</translation>
    </message>
    <message>
        <source>Check this check box to make your PC play a WAV sound file few minutes before prayer time</source>
        <translation>Cochez cette case pour que l&apos;ordinateur joue un fichier son WAV quelques minutes avant l&apos;heure de la prière</translation>
    </message>
    <message>
        <source>Press here to select the sound file</source>
        <translation>Cliquez ici pour choisir le fichier son</translation>
    </message>
    <message>
        <source>Set the name of sound file to be played. Full path is required</source>
        <translation>Indiquez le nom du fichier son à jouer, avec son chemin complet</translation>
    </message>
    <message>
        <source>check related check box for the prayer you want the PC to play sound file when its time occurred</source>
        <translation>cochez la case de chaque prière à l&apos;heure de laquelle l&apos;ordinateur doit jouer le fichier son</translation>
    </message>
    <message>
        <source>The number of minutes indicates how many minutes before prayer time the sound file will be played</source>
        <translation>Le nombre de minutes avant l&apos;heure de la prière auquel le fichier son sera joué</translation>
    </message>
    <message>
        <source>Choose the program that opens the month and year reports (Kelmo.out), or type its name; the desktop&apos;s default opens them as the desktop opens text files</source>
        <translation>Choisissez le programme qui ouvre les rapports du mois et de l&apos;année (Kelmo.out), ou saisissez son nom ; le programme par défaut du bureau les ouvre comme tout fichier texte</translation>
    </message>
    <message>
        <source>Press here to select the program</source>
        <translation>Cliquez ici pour choisir le programme</translation>
    </message>
    <message>
        <source>Press to cancel the changes.</source>
        <translation>Cliquez pour annuler les modifications.</translation>
    </message>
    <message>
        <source>Press to confirm the changes.</source>
        <translation>Cliquez pour confirmer les modifications.</translation>
    </message>
    <message>
        <source>Could not change the autostart folder of %1!	</source>
        <translation>Impossible de modifier le dossier de démarrage automatique de %1 !	</translation>
    </message>
    <message>
        <source>Could not write or remove the autostart entry %1!	</source>
        <translation>Impossible d&apos;écrire ou de supprimer l&apos;entrée de démarrage automatique %1 !	</translation>
    </message>
    <message>
        <source>the desktop&apos;s default</source>
        <translation>le programme par défaut du bureau</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Choose the language of the windows; System follows the language of the desktop</source>
        <translation>Choisissez la langue des fenêtres ; Système suit la langue du bureau</translation>
    </message>
    <message>
        <source>KelmoTimes speaks the chosen language from its next start.</source>
        <translation>KelmoTimes parlera la langue choisie à son prochain démarrage.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartPicture</name>
    <message>
        <source>supplied by the rule &quot;%1&quot;</source>
        <translation>donnée par la règle « %1 »</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>heure d&apos;été</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>first day of a Hijri month (crescent at the place)</source>
        <translation>premier jour d&apos;un mois hégirien (croissant vu au lieu)</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::ChartW</name>
    <message>
        <source>Prayer Chart for %1</source>
        <translation>Graphique des prières pour %1</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Enregistrer en &amp;PNG...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Enregistrer en &amp;SVG...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DataExchange</name>
    <message>
        <source>Enter an integer.</source>
        <translation>Saisissez un nombre entier.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Saisissez un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Saisissez au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Enter no control characters (such as a line end, a tab or ESC).</source>
        <translation>Ne saisissez aucun caractère de contrôle (fin de ligne, tabulation ou Échap).</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::DateDlg</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Type of calculation</source>
        <translation>Type de calcul</translation>
    </message>
    <message>
        <source>Compute for a day</source>
        <translation>Calcul pour un jour</translation>
    </message>
    <message>
        <source>Compute for a month</source>
        <translation>Calcul pour un mois</translation>
    </message>
    <message>
        <source>Compute for a year</source>
        <translation>Calcul pour une année</translation>
    </message>
    <message>
        <source>Type of date</source>
        <translation>Type de date</translation>
    </message>
    <message>
        <source>Julian-Gregorian</source>
        <translation>Julien-grégorien</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hégirien</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if you want to calculate for a day, a month or a year</source>
        <translation>Cochez un des boutons pour calculer pour un jour, un mois ou une année</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to select the type of date (Julian/Gregorian or Islamic)</source>
        <translation>Cochez un des boutons pour choisir le type de date (julienne/grégorienne ou islamique)</translation>
    </message>
    <message>
        <source>Set the required day</source>
        <translation>Indiquez le jour voulu</translation>
    </message>
    <message>
        <source>Select the required month</source>
        <translation>Choisissez le mois voulu</translation>
    </message>
    <message>
        <source>Select required year (For Islamic year the range is from 1 to 6000 and for Julian/Gregorian from -2000 to 6000)</source>
        <translation>Indiquez l&apos;année voulue (de 1 à 6000 pour une année islamique, de -2000 à 6000 pour une année julienne/grégorienne)</translation>
    </message>
    <message>
        <source>Press to cancel the changes</source>
        <translation>Cliquez pour annuler les modifications</translation>
    </message>
    <message>
        <source>Press to confirm the changes</source>
        <translation>Cliquez pour confirmer les modifications</translation>
    </message>
    <message>
        <source>Press to convert chosen date</source>
        <translation>Cliquez pour convertir la date choisie</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AD</source>
        <translation>La date choisie correspond au %1 %2/%3/%4 apr. J.-C.</translation>
    </message>
    <message>
        <source>The chosen date corresponds to %1, %2/%3/%4 AH</source>
        <translation>La date choisie correspond au %1 %2/%3/%4 H</translation>
    </message>
    <message>
        <source>The chosen date is pre Hijri date                   </source>
        <translation>La date choisie est antérieure à l&apos;Hégire               </translation>
    </message>
    <message>
        <source>The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)</source>
        <translation>La date choisie est hors du calendrier Umm al-Qura (1300 à 1600 H)</translation>
    </message>
    <message>
        <source>Could not calculate valid Hijri date                </source>
        <translation>Impossible de calculer une date hégirienne valide        </translation>
    </message>
</context>
<context>
    <name>kelmo::ui::FirstStartDlg</name>
    <message>
        <source>Choose the place whose prayer times you want and your school of law. The Location and Configuration buttons of the main window change them later.</source>
        <translation>Choisissez le lieu dont vous voulez les heures de prière et votre école juridique. Les boutons Lieu et Configuration de la fenêtre principale permettent de les changer plus tard.</translation>
    </message>
    <message>
        <source>Welcome to KelmoTimes</source>
        <translation>Bienvenue dans KelmoTimes</translation>
    </message>
    <message>
        <source>School of law</source>
        <translation>École juridique</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Méthode de calcul</translation>
    </message>
    <message>
        <source>A place of the list</source>
        <translation>Un lieu de la liste</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>A new place</source>
        <translation>Un nouveau lieu</translation>
    </message>
    <message>
        <source>City,Country</source>
        <translation>Ville,Pays</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Latitude (north +)</source>
        <translation>Latitude (nord +)</translation>
    </message>
    <message>
        <source>Longitude (east +)</source>
        <translation>Longitude (est +)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Enter the name of the new place.</source>
        <translation>Saisissez le nom du nouveau lieu.</translation>
    </message>
    <message>
        <source>This place is in the list: choose it there.</source>
        <translation>Ce lieu est dans la liste : choisissez-le là.</translation>
    </message>
    <message>
        <source>Choose a time zone of the list.</source>
        <translation>Choisissez un fuseau horaire de la liste.</translation>
    </message>
    <message>
        <source>Choose a place of the list.</source>
        <translation>Choisissez un lieu de la liste.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::HelpWindow</name>
    <message>
        <source>KelmoTimes Help</source>
        <translation>Aide de KelmoTimes</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossible d&apos;afficher l&apos;aide.</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::LocDlg</name>
    <message>
        <source>First</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a week of the month and a weekday</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>DST Available</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>DST Start date</source>
        <translation>Début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>DST End date</source>
        <translation>Fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>SelectPlace</source>
        <translation>ChoisirLieu</translation>
    </message>
    <message>
        <source>SelectHome</source>
        <translation>ChoisirDomicile</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Set the name of location</source>
        <translation>Indiquez le nom du lieu</translation>
    </message>
    <message>
        <source>Set the value of latitude in degrees (0-90)</source>
        <translation>Indiquez la latitude en degrés (0-90)</translation>
    </message>
    <message>
        <source>Set the value of latitude in minutes (0-59)</source>
        <translation>Indiquez la latitude en minutes (0-59)</translation>
    </message>
    <message>
        <source>Set the values of latitude in seconds (0-59).Set to zero if not used</source>
        <translation>Indiquez la latitude en secondes (0-59). Mettez zéro si inutile</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of latitude (North or South)</source>
        <translation>Cochez un des boutons pour indiquer le sens de la latitude (nord ou sud)</translation>
    </message>
    <message>
        <source>Set the value of longitude in degrees (0-180)</source>
        <translation>Indiquez la longitude en degrés (0-180)</translation>
    </message>
    <message>
        <source>Set the value of longitude in minutes (0-59)</source>
        <translation>Indiquez la longitude en minutes (0-59)</translation>
    </message>
    <message>
        <source>Set the value of longitude in seconds (0-59). Set to zero if not used</source>
        <translation>Indiquez la longitude en secondes (0-59). Mettez zéro si inutile</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the direction of longitude (East or West)</source>
        <translation>Cochez un des boutons pour indiquer le sens de la longitude (est ou ouest)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to set the sign of timezone. Choose + if the location is to the East of Greenwich and - if it is to the West</source>
        <translation>Cochez un des boutons pour indiquer le signe du fuseau horaire : + si le lieu est à l&apos;est de Greenwich, - s&apos;il est à l&apos;ouest</translation>
    </message>
    <message>
        <source>Set the number of hours of the timezone (0-24)</source>
        <translation>Indiquez les heures du fuseau horaire (0-24)</translation>
    </message>
    <message>
        <source>Set the number of minutes of the timezone (0-59)</source>
        <translation>Indiquez les minutes du fuseau horaire (0-59)</translation>
    </message>
    <message>
        <source>Set the height of the location in meters (-999 to 9999)</source>
        <translation>Indiquez l&apos;altitude du lieu en mètres (-999 à 9999)</translation>
    </message>
    <message>
        <source>Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or not</source>
        <translation>Cochez un des boutons pour indiquer si l&apos;heure d&apos;été est appliquée ou non</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST starts</source>
        <translation>Choisissez dans la liste le jour où commence l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST starts</source>
        <translation>Choisissez dans la liste le mois où commence l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Select from the list the day in which DST ends</source>
        <translation>Choisissez dans la liste le jour où finit l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Select from the list the month in which DST ends</source>
        <translation>Choisissez dans la liste le mois où finit l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Press to add the location to the database</source>
        <translation>Cliquez pour ajouter le lieu à la base</translation>
    </message>
    <message>
        <source>Press to remove the location from database</source>
        <translation>Cliquez pour supprimer le lieu de la base</translation>
    </message>
    <message>
        <source>Press to change the data for location. Remember, you can NOT change the name of a location. You have to remove and then add it</source>
        <translation>Cliquez pour modifier les données du lieu. Le nom d&apos;un lieu ne peut PAS être modifié : supprimez le lieu puis ajoutez-le à nouveau</translation>
    </message>
    <message>
        <source>Press to make selected location your the default one always</source>
        <translation>Cliquez pour faire du lieu choisi votre lieu par défaut pour toujours</translation>
    </message>
    <message>
        <source>Press to make selected location the default one for this session (i.e. next time you restart KelmoTimes the home location will be the default one</source>
        <translation>Cliquez pour faire du lieu choisi le lieu par défaut de cette session (au prochain démarrage de KelmoTimes, le domicile redeviendra le lieu par défaut)</translation>
    </message>
    <message>
        <source>Press to close the Location dialogue</source>
        <translation>Cliquez pour fermer la fenêtre Lieu</translation>
    </message>
    <message>
        <source>Choose the time zone of the location (type to search) to take its clock and summer time from the system&apos;s time-zone database, or none</source>
        <translation>Choisissez le fuseau horaire du lieu (tapez pour chercher) pour prendre son heure et son heure d&apos;été dans la base des fuseaux du système, ou aucun</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>You can not add more locations!	
</source>
        <translation>Impossible d&apos;ajouter d&apos;autres lieux !	
</translation>
    </message>
    <message>
        <source>The location already exist in the database!	
</source>
        <translation>Ce lieu existe déjà dans la base !	
</translation>
    </message>
    <message>
        <source>The location does not exist in the database!	
</source>
        <translation>Ce lieu n&apos;existe pas dans la base !	
</translation>
    </message>
    <message>
        <source>Select another home location before removing this one!	
</source>
        <translation>Choisissez un autre domicile avant de supprimer celui-ci !	
</translation>
    </message>
    <message>
        <source>You have to type a location name!	
</source>
        <translation>Vous devez saisir un nom de lieu !	
</translation>
    </message>
    <message>
        <source>Choose a time zone of the list, or none!	
</source>
        <translation>Choisissez un fuseau horaire de la liste, ou aucun !	
</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::MethodBox</name>
    <message>
        <source>Calculation method</source>
        <translation>Méthode de calcul</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>Calendrier hégirien</translation>
    </message>
    <message>
        <source>Choose the authority whose method your mosque follows; Custom keeps the angles you set</source>
        <translation>Choisissez l&apos;autorité dont votre mosquée suit la méthode ; Personnalisée garde les angles que vous avez indiqués</translation>
    </message>
    <message>
        <source>Choose the calendar of the Hijri dates: the crescent seen at the place, the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one</source>
        <translation>Choisissez le calendrier des dates hégiriennes : le croissant vu au lieu, le calendrier officiel Umm al-Qura (1300 à 1600 H) ou le calendrier tabulaire</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::Notify</name>
    <message>
        <source>%1 prayer starts at %2</source>
        <translation>La prière de %1 commence à %2</translation>
    </message>
    <message>
        <source>Press to see a menu.</source>
        <translation>Cliquez pour voir un menu.</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Start KelmoTimes</source>
        <translation>Démarrer KelmoTimes</translation>
    </message>
    <message>
        <source>Close Notifier</source>
        <translation>Fermer le Notificateur</translation>
    </message>
    <message>
        <source>Close Notifier and Timer</source>
        <translation>Fermer le Notificateur et le Minuteur</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Temps restant : %1</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::QiblaW</name>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Qibla</translation>
    </message>
    <message>
        <source>Qibla determination method</source>
        <translation>Méthode de détermination de la Qibla</translation>
    </message>
    <message>
        <source>From Geographic North</source>
        <translation>Depuis le nord géographique</translation>
    </message>
    <message>
        <source>From Magnetic North</source>
        <translation>Depuis le nord magnétique</translation>
    </message>
    <message>
        <source>From the shadow of the Sun</source>
        <translation>Depuis l&apos;ombre du Soleil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Qibla for %1</source>
        <translation>Qibla pour %1</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Geographic North</source>
        <translation>Cochez pour calculer la direction de la Qibla comptée dans le sens horaire depuis le nord géographique</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from Magnetic North</source>
        <translation>Cochez pour calculer la direction de la Qibla comptée dans le sens horaire depuis le nord magnétique</translation>
    </message>
    <message>
        <source>Check to calculate the direction of Qibla counted clockwise from the direction of the shadow of the Sun</source>
        <translation>Cochez pour calculer la direction de la Qibla comptée dans le sens horaire depuis la direction de l&apos;ombre du Soleil</translation>
    </message>
</context>
<context>
    <name>kelmo::ui::TodayPanel</name>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1 tomorrow in %2</source>
        <translation>%1 demain dans %2</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <comment>day, Hijri month, Hijri year</comment>
        <translation>%1 %2 %3 H</translation>
    </message>
</context>
</TS>
