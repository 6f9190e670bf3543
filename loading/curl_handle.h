// Owners of libcurl's handles and lists: each is freed with the call libcurl
// asks for, exactly once.
#ifndef BRAMBLE_LOADING_CURL_HANDLE_H_
#define BRAMBLE_LOADING_CURL_HANDLE_H_

#include <curl/curl.h>

#include <memory>

namespace bramble {

struct CurlEasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;

struct CurlListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// A list of strings for options such as CURLOPT_HTTPHEADER.
class CurlList {
 public:
  // Returns false when libcurl could not copy the line; the list is kept.
  bool Append(const char* line) {
    curl_slist* head = curl_slist_append(list_.get(), line);
    if (head == nullptr) return false;
    list_.release();  // `head` now owns the old nodes as well
    list_.reset(head);
    return true;
  }
  curl_slist* get() const { return list_.get(); }

 private:
  std::unique_ptr<curl_slist, CurlListDeleter> list_;
};

}  // namespace bramble

#endif  // BRAMBLE_LOADING_CURL_HANDLE_H_
