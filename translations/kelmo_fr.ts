<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ComparisonWords</name>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>disparu</translation>
    </message>
    <message>
        <source>Dir Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Old Size</source>
        <translation>Ancienne taille</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Nouvelle taille</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Variation</translation>
    </message>
</context>
<context>
    <name>DirReportWords</name>
    <message>
        <source>Dir Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Parent Name</source>
        <translation>Parent</translation>
    </message>
    <message>
        <source>% of Parent</source>
        <translation>% du parent</translation>
    </message>
    <message>
        <source>Dir Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>% of Total</source>
        <translation>% du total</translation>
    </message>
    <message>
        <source>Num of Sub-Dir</source>
        <translation>Nb de sous-rép.</translation>
    </message>
    <message>
        <source>Sub-Dir Space</source>
        <translation>Sous-répertoires</translation>
    </message>
    <message>
        <source>File Space</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Items Below</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>(n/a)</source>
        <translation>(s. o.)</translation>
    </message>
    <message>
        <source>item</source>
        <translation>élément</translation>
    </message>
    <message>
        <source>items</source>
        <translation>éléments</translation>
    </message>
</context>
<context>
    <name>DirectoryActions</name>
    <message>
        <source>Disk usage: %1
Apparent size: %2</source>
        <translation>Occupation : %1
Taille apparente : %2</translation>
    </message>
    <message>
        <source>Move to the trash?

%1

%2</source>
        <translation>Mettre à la corbeille ?

%1

%2</translation>
    </message>
    <message>
        <source>

Files in it also have names elsewhere, which keep their space: the sizes shown after the move are approximate until Update.</source>
        <translation>

Des fichiers qu&apos;il contient ont aussi des noms ailleurs, qui gardent leur place : les tailles affichées après le déplacement sont approximatives jusqu&apos;à la mise à jour.</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Could not move to the trash:
%1

%2</source>
        <translation>Impossible de mettre à la corbeille :
%1

%2</translation>
    </message>
</context>
<context>
    <name>DirectoryCommands</name>
    <message>
        <source>%1 file lies here</source>
        <translation>%1 fichier se trouve ici</translation>
    </message>
    <message>
        <source>%1 files lie here</source>
        <translation>%1 fichiers se trouvent ici</translation>
    </message>
    <message>
        <source>%1 in all; %2</source>
        <translation>%1 en tout ; %2</translation>
    </message>
    <message>
        <source>
This directory %1</source>
        <translation>
Ce répertoire : %1</translation>
    </message>
    <message>
        <source>Files...</source>
        <translation>Fichiers...</translation>
    </message>
    <message>
        <source>Largest Files...</source>
        <translation>Plus gros fichiers...</translation>
    </message>
    <message>
        <source>Save Scan As...</source>
        <translation>Enregistrer l&apos;analyse sous...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Files in %1</source>
        <translation>Fichiers dans %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>apparent sizes</source>
        <translation>tailles apparentes</translation>
    </message>
    <message>
        <source>disk usage</source>
        <translation>occupation</translation>
    </message>
    <message>
        <source>Largest Files (%1)</source>
        <translation>Plus gros fichiers (%1)</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Save Scan As</source>
        <translation>Enregistrer l&apos;analyse sous</translation>
    </message>
    <message>
        <source>Several saved scans shown as one cannot be saved as one scan.

Each stays in the file it was read from.</source>
        <translation>Plusieurs analyses enregistrées montrées comme une seule ne peuvent pas être enregistrées en une seule analyse.

Chacune reste dans le fichier d&apos;où elle a été lue.</translation>
    </message>
</context>
<context>
    <name>DirectoryView</name>
    <message>
        <source>The sub-directories of the directory on display and their shares; the arrow keys select one</source>
        <translation>Les sous-répertoires du répertoire affiché et leurs parts ; les flèches en choisissent un</translation>
    </message>
</context>
<context>
    <name>DirectoryViewRows</name>
    <message>
        <source>Pie Chart</source>
        <translation>Camembert</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Anneaux</translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#x202f;%</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Saved scans (*.json *.json.zst *.zst *.json.gz *.gz)</source>
        <translation>Analyses enregistrées (*.json *.json.zst *.zst *.json.gz *.gz)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Disk Usage</source>
        <translation>Occupation</translation>
    </message>
    <message>
        <source>Apparent Size</source>
        <translation>Taille apparente</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Dernière modification</translation>
    </message>
</context>
<context>
    <name>FileListWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Used bytes over the recordings</source>
        <translation>Octets utilisés au fil des enregistrements</translation>
    </message>
    <message>
        <source>No recordings yet</source>
        <translation>Pas encore d&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History of %1</source>
        <translation>Historique de %1</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Croissance</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Répertoire</translation>
    </message>
    <message>
        <source>No recordings of this drive yet (kelmo --record).</source>
        <translation>Pas encore d&apos;enregistrement de ce lecteur (kelmo --record).</translation>
    </message>
    <message>
        <source>Choose two recordings on the line to compare.</source>
        <translation>Choisissez deux enregistrements sur la ligne pour les comparer.</translation>
    </message>
    <message>
        <source>Largest growth from A, %1, to B, %2:</source>
        <translation>Plus forte croissance de A, %1, à B, %2 :</translation>
    </message>
    <message>
        <source>Could not read a recording: %1</source>
        <translation>Un enregistrement n&apos;a pas pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>KelmoSplash</name>
    <message>
        <source>Interrogating Drive ...</source>
        <translation>Lecture du lecteur ...</translation>
    </message>
    <message>
        <source>Disk Space Used (in bytes)</source>
        <translation>Espace disque utilisé (en octets)</translation>
    </message>
    <message>
        <source>Disk Space Used</source>
        <translation>Espace disque utilisé</translation>
    </message>
    <message>
        <source>Disk usage at a glance</source>
        <translation>Le disque d&apos;un regard</translation>
    </message>
    <message>
        <source>Revision 2.0 - %1 bit</source>
        <translation>Révision 2.0 - %1 bits</translation>
    </message>
    <message>
        <source>All rights reserved</source>
        <translation>Tous droits réservés</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Ferme la fenêtre</translation>
    </message>
</context>
<context>
    <name>KeyBox</name>
    <message>
        <source>Key</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>The sub-directories of the directory on display, each with its size and share; Enter opens the selected one</source>
        <translation>Les sous-répertoires du répertoire affiché, chacun avec sa taille et sa part ; Entrée ouvre celui choisi</translation>
    </message>
    <message>
        <source>--No Sub-Directories--</source>
        <translation>--Aucun sous-répertoire--</translation>
    </message>
</context>
<context>
    <name>KeyBoxDelegate</name>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
</context>
<context>
    <name>LocalNumbers</name>
    <message>
        <source>%1 item</source>
        <translation>%1 élément</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
</context>
<context>
    <name>LookCommands</name>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>Available Drives</source>
        <translation>Lecteurs disponibles</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>The drive or saved scan on display; choosing another scans it</source>
        <translation>Le lecteur ou l&apos;analyse enregistrée affiché ; en choisir un autre l&apos;analyse</translation>
    </message>
    <message>
        <source>The heading of the drive list</source>
        <translation>Le titre de la liste des lecteurs</translation>
    </message>
    <message>
        <source>How many directories the scan could not read</source>
        <translation>Combien de répertoires l&apos;analyse n&apos;a pas pu lire</translation>
    </message>
    <message>
        <source>The heading of the key</source>
        <translation>Le titre de la légende</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Droits d&apos;auteur</translation>
    </message>
    <message>
        <source>The free space on the drive on display</source>
        <translation>L&apos;espace libre du lecteur affiché</translation>
    </message>
    <message>
        <source>The path of the directory on display</source>
        <translation>Le chemin du répertoire affiché</translation>
    </message>
    <message>
        <source>Free Space : %1</source>
        <translation>Espace libre : %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>an earlier scan</source>
        <translation>une analyse précédente</translation>
    </message>
    <message>
        <source>%1 directory could not be read</source>
        <translation>%1 répertoire illisible</translation>
    </message>
    <message>
        <source>%1 directories could not be read</source>
        <translation>%1 répertoires illisibles</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Key (growth since %1)</source>
        <translation>Légende (croissance depuis %1)</translation>
    </message>
    <message>
        <source>Key (apparent sizes)</source>
        <translation>Légende (tailles apparentes)</translation>
    </message>
    <message>
        <source>%1 (saved)</source>
        <translation>%1 (enregistré)</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message>
        <source>{} %</source>
        <translation>{}&#x202f;%</translation>
    </message>
    <message>
        <source>about {} s left</source>
        <translation>encore environ {} s</translation>
    </message>
    <message>
        <source>about {} min left</source>
        <translation>encore environ {} min</translation>
    </message>
</context>
<context>
    <name>RingsView</name>
    <message>
        <source>%1 smaller directories</source>
        <translation>%1 répertoires plus petits</translation>
    </message>
</context>
<context>
    <name>SmallWin</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text to read; OK or Escape closes the window</source>
        <translation>Texte à lire ; OK ou Échap ferme la fenêtre</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Ferme la fenêtre</translation>
    </message>
</context>
<context>
    <name>SurveyLoader</name>
    <message>
        <source>Selected Disk was Not
Available or is Blank</source>
        <translation>Le disque choisi n&apos;était pas
disponible ou est vide</translation>
    </message>
    <message>
        <source>Other Saved Scan...</source>
        <translation>Autre analyse enregistrée...</translation>
    </message>
    <message>
        <source>Invalid command-line; Use:

    kelmo &lt;path&gt;

i.e.:    kelmo /home</source>
        <translation>Ligne de commande non valide ; utilisez :

    kelmo &lt;chemin&gt;

p. ex. :    kelmo /home</translation>
    </message>
    <message>
        <source>

Pick a drive from the list.</source>
        <translation>

Choisissez un lecteur dans la liste.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Compare with Saved Scan...</source>
        <translation>Comparer avec une analyse enregistrée...</translation>
    </message>
    <message>
        <source>Open Saved Scan...</source>
        <translation>Ouvrir une analyse enregistrée...</translation>
    </message>
    <message>
        <source>Open Saved Scan</source>
        <translation>Ouvrir une analyse enregistrée</translation>
    </message>
    <message>
        <source>Compare with Saved Scan</source>
        <translation>Comparer avec une analyse enregistrée</translation>
    </message>
    <message>
        <source>The saved scan came from standard input, which can be read only once.</source>
        <translation>L&apos;analyse enregistrée venait de l&apos;entrée standard, qui ne peut être lue qu&apos;une fois.</translation>
    </message>
</context>
<context>
    <name>TKelmoWindow</name>
    <message>
        <source>Sub-Directory Not Found</source>
        <translation>Sous-répertoire introuvable</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Erreur système</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Répertoire parent</translation>
    </message>
    <message>
        <source>Root Directory</source>
        <translation>Répertoire racine</translation>
    </message>
    <message>
        <source>Keys...</source>
        <translation>Touches...</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Sub Info</source>
        <translation>Infos sous-rép.</translation>
    </message>
    <message>
        <source>Root Info</source>
        <translation>Infos racine</translation>
    </message>
    <message>
        <source>Apparent Sizes</source>
        <translation>Tailles apparentes</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Trier par taille</translation>
    </message>
    <message>
        <source>Sizes in Units</source>
        <translation>Tailles en unités</translation>
    </message>
    <message>
        <source>Show Sizes</source>
        <translation>Afficher les tailles</translation>
    </message>
    <message>
        <source>This directory is gone since the earlier scan</source>
        <translation>Ce répertoire a disparu depuis l&apos;analyse précédente</translation>
    </message>
    <message>
        <source>This entry %1</source>
        <translation>Cette entrée : %1</translation>
    </message>
    <message>
        <source>No Sub-Directories Exist For This Entry</source>
        <translation>Cette entrée n&apos;a aucun sous-répertoire</translation>
    </message>
    <message>
        <source>Sub-Directory Information</source>
        <translation>Informations sur le répertoire</translation>
    </message>
</context>
<context>
    <name>TargetCommands</name>
    <message>
        <source>No file manager could be started to show
%1

None answers on the session bus, and no program to open folders (xdg-open) could be started.</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a pu être lancé pour montrer
%1

Aucun ne répond sur le bus de session, et aucun programme pour ouvrir les dossiers (xdg-open) n&apos;a pu être lancé.</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Ouvrir dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Move to Trash...</source>
        <translation>Mettre à la corbeille...</translation>
    </message>
</context>
<context>
    <name>WindowMenuParts</name>
    <message>
        <source>Scan</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Répertoire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
</TS>
