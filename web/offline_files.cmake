# Writes SITE/site-files.js for the service worker: the folder's files to keep offline and a
# version, the hash of them all, so that any change to the site fills a new cache.
# Run as cmake -DSITE=... -P offline_files.cmake.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
# The one file is for opening from disk, never served to the worker; the worker's own files the
# browser keeps itself.
list(REMOVE_ITEM files vemrik.html service-worker.js site-files.js)
list(SORT files)
set(hashes "")
set(names "'./'")
foreach(name ${files})
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes "${hash}${name}")
  string(APPEND names ",\n  '${name}'")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 version)
file(WRITE ${SITE}/site-files.js "self.siteVersion = '${version}';\nself.siteFiles = [\n  ${names}\n];\n")
