// The tagging dialogs (wildcards, date range, size, attributes): opened
// modally on a directory window, they tag in it on OK. Registered with the
// directory windows' Tag menus and the main window's "Tag based on
// wildcards" button.
#pragma once

class TFrameServices;
class TMDIChild;

void ShowTagByWildcards(TMDIChild& window);
void ShowTagByDate(TMDIChild& window);
void ShowTagBySize(TMDIChild& window);
void ShowTagByAttribute(TMDIChild& window);

void InstallTaggingDialogs(TFrameServices& frame);
