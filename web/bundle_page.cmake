# Bundles the page's scripts of the assembled folder SITE with ESBUILD into SITE/main.js, so that
# the served page starts with one script instead of a chain of imports, and writes SITE/vemrik.html:
# the page in one file that starts when opened from disk. Its style and script are inlined; the
# workers' scripts ride along as text; the module's wasm, the examples, the levels and the guides
# gzipped in base64; the guide's pictures in base64 (carried-files.js).
# Run as cmake -DSITE=... -DESBUILD=... -P bundle_page.cmake.
execute_process(COMMAND ${ESBUILD} ${SITE}/main.js --bundle --format=esm --charset=utf8 --log-level=warning
                OUTPUT_VARIABLE bundle COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${SITE}/main.js "${bundle}")
file(READ ${SITE}/index.html page)
file(READ ${SITE}/style.css style)
file(READ ${SITE}/vemrik.js module)

# Text inside <script> ends at the first "</script"; the scripts carried as text may hold none. The
# other carried files are in base64, which never does.
function(check_inlinable name text)
  string(TOLOWER "${text}" lower)
  string(FIND "${lower}" "</script" at)
  string(FIND "${lower}" "<!--" comment)
  if(NOT at EQUAL -1 OR NOT comment EQUAL -1)
    message(FATAL_ERROR "${name} cannot be put inside a <script> of vemrik.html")
  endif()
endfunction()
check_inlinable(vemrik.js "${module}")
check_inlinable(main.js "${bundle}")

file(GLOB workers RELATIVE ${SITE} ${SITE}/*-worker.js)
list(REMOVE_ITEM workers service-worker.js)
file(GLOB examples RELATIVE ${SITE} ${SITE}/examples/*.vemrik)
file(GLOB guides RELATIVE ${SITE} ${SITE}/help/*/guide.html)
file(GLOB challenges RELATIVE ${SITE} ${SITE}/challenges/*)
file(GLOB pictures RELATIVE ${SITE} ${SITE}/help/images/*.png)
set(carried "")
# The workers' scripts as they are: a worker starts at once, with nothing to unpack.
foreach(name ${workers})
  file(READ ${SITE}/${name} text)
  check_inlinable(${name} "${text}")
  string(APPEND carried "<script type=\"text/plain\" data-file=\"${name}\">${text}</script>\n")
endforeach()
# gzip shrinks the wasm to a third, and so the HTML the browser parses before any script runs.
foreach(name vemrik.wasm examples/index.json ${examples} ${guides} ${challenges})
  execute_process(COMMAND gzip -9nc ${SITE}/${name} COMMAND base64 -w0 OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
  string(APPEND carried "<script type=\"application/gzip\" data-file=\"${name}\">${text}</script>\n")
endforeach()
# The guide's pictures, compressed already.
foreach(name ${pictures})
  execute_process(COMMAND base64 -w0 ${SITE}/${name} OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
  string(APPEND carried "<script type=\"image/png\" data-file=\"${name}\">${text}</script>\n")
endforeach()

# Each place the folder's page names a file beside it, and what the one file has there instead.
function(inline from to)
  string(FIND "${page}" "${from}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "index.html no longer holds ${from}")
  endif()
  string(REPLACE "${from}" "${to}" replaced "${page}")
  set(page "${replaced}" PARENT_SCOPE)
endfunction()
inline("<link rel=\"manifest\" href=\"manifest.webmanifest\">\n" "")
inline("<link rel=\"stylesheet\" href=\"style.css\">" "<style>\n${style}</style>")
inline("<script defer src=\"vemrik.js\"></script>" "<script data-file=\"vemrik.js\">\n${module}</script>")
inline("<script type=\"module\" src=\"main.js\"></script>" "${carried}<script type=\"module\">\n${bundle}</script>")
file(WRITE ${SITE}/vemrik.html "${page}")
