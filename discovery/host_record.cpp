// discovery/host_record.cpp
#include "discovery/host_record.h"

void AddHost(HostList& hosts, const Text& displayName, const Text& pluginDirectory, const Text& key,
             const Text* listCaption) {
    hosts.push_back(HostRecord{displayName, listCaption != nullptr ? *listCaption : displayName,
                               pluginDirectory, key, true});
}
