# The contact address and the home page reach every place that shows them from here: the About
# box (a generated source), the donation page and the AppStream metadata (filled in copies).
#
# stillmark_write_contact_files(<output folder> <contact address> <home page> <source folder>)
# Empty values leave the place out: no link to an address that does not exist. Values that would
# break the page or the metadata are refused at configure time.
function(stillmark_write_contact_files out_dir email homepage source_dir)
  foreach(value IN ITEMS "${email}" "${homepage}")
    if(value MATCHES "[\"'<>&\\\\ ]")
      message(FATAL_ERROR "Contact address or home page \"${value}\": quotes, <, >, &, \\ and blanks are not allowed")
    endif()
  endforeach()
  if(email AND NOT email MATCHES "^[^@]+@[^@]+$")
    message(FATAL_ERROR "STILLMARK_CONTACT_EMAIL \"${email}\" is not a mail address (name@domain)")
  endif()
  if(homepage AND NOT homepage MATCHES "^https?://.+")
    message(FATAL_ERROR "STILLMARK_HOMEPAGE \"${homepage}\" must start with http:// or https://")
  endif()

  set(STILLMARK_CONTACT_EMAIL "${email}")
  set(STILLMARK_HOMEPAGE "${homepage}")
  set(STILLMARK_PAGE_CONTACT "")
  set(STILLMARK_PAGE_HOMEPAGE "")
  set(STILLMARK_METAINFO_URLS "")
  if(email)
    string(APPEND STILLMARK_PAGE_CONTACT " Send a note about what works and what does not to\n"
           "  <a href=\"mailto:${email}\">${email}</a>.")
    string(APPEND STILLMARK_METAINFO_URLS "  <update_contact>${email}</update_contact>\n")
  endif()
  if(homepage)
    string(APPEND STILLMARK_PAGE_HOMEPAGE "\n  Or read more about <a href=\"${homepage}\">supporting Stillmark</a>.")
    string(PREPEND STILLMARK_METAINFO_URLS "  <url type=\"homepage\">${homepage}</url>\n")
  endif()
  configure_file(${source_dir}/res/ThankYou.html ${out_dir}/ThankYou.html @ONLY)
  configure_file(${source_dir}/data/org.stillmark.Stillmark.metainfo.xml
                 ${out_dir}/org.stillmark.Stillmark.metainfo.xml @ONLY)
  configure_file(${source_dir}/src/ui/info/BuildContact.cpp.in ${out_dir}/BuildContact.cpp @ONLY)
endfunction()
