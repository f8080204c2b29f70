<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Güncelleniyor…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Güncellendi: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>%@ ana para biriminiz olsun mu?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Bilgisayarınız şimdi başka bir ülkede görünüyor. Cambio bu ülkenin para birimini en üst satırda gösterebilir.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – masaüstünüz için döviz çevirici</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Para Birimleri</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Kurları Yenile</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Tutarları Sıfırla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Küçült</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Büyüt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tümünü Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Tercihler…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Geri Bildirim Gönder…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Cambio Hakkında</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Cambio’dan Çık</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Sürüm %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Kurlar: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Kurlar güncellenmedi</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>Ana para birimi değiştirilemedi.</translation>
    </message>
    <message>
        <source>cannot update the rates from %@</source>
        <translation>kurlar %@ adresinden güncellenemiyor</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>yeni kurlar %@ içine kaydedilemedi</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>yanıt JSON değil: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>yanıt, kurlardan oluşan bir JSON nesnesi değil</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>yanıtta kullanılabilir kur yok</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>bağlantı reddedildi</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>bir modül yüklenemiyor: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG resimleri (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>%@ sunucusu bulunamadı</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>yanıtın tamamı gelmeden bağlantı kapandı</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>HTTP adresi değil: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>HTTP adresi değil</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>yanıt %@ boyutundan büyük</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>%@ sn sonra zaman aşımı</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>%@ yazılamıyor</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>başka bir program %@ kilidini tuttu</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>%@ kilitlenemiyor</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>1 MiB’tan büyük</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>%@ içindeki ayarlar yok sayılıyor</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>bilinmeyen para birimi: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>zaten görünür: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>görünür bir para birimi değil: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (sabit)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Konumu izler: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Para Birimi Ekle</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Kullanılabilir Para Birimleri</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL bu oturum için bu sunucuyu belirler.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio ve cambio-cli yeni kurları bu sunucudan ister. Bu bilgisayarın sunucusu için boş bırakın.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Ana Para Birimini Değiştir</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Sayı Biçimini Değiştir</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Değiştir…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Çeviriciye eklenecek bir para birimi seçin.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Tutarların nasıl yazılacağını seçin.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Sırayı değiştirmek için bir para birimini sürükleyin veya Alt+Yukarı ya da Alt+Aşağı tuşuna basın.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Konumu İzle</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Bilgisayarın konumunu izle</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Ana Para Birimi</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Ana para birimi:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Yukarı Taşı</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Sayı Biçimi</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Sayı Biçimleri</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Sayı biçimi:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Tutarlar şöyle görünür: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Bölmeler</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Kur Sunucusu</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Kur sunucusu:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Kurlar</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Kurlar:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Şimdi Yenile</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Para Birimini Kaldır</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Varsayılanları Geri Yükle</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Para Birimlerinde Ara</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Sayı Biçimlerinde Ara</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Koda veya ada göre ara</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Dile veya bölgeye göre ara</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Sistem (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>Değişiklik kaydedilemedi: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>Çevirici bu para birimlerini ana para biriminin altında, bu sırayla gösterir.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>Ana para birimi çeviricinin en üstünde durur.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Görünen Para Birimleri</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Bilgisayar başka bir ülkedeyken Cambio, o ülkenin para birimini ana para birimi yapmayı önerir.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Geri Bildirim Gönder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>İleti</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-posta:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>İleti:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Gerekli</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>İsteğe bağlı</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Gönderiliyor…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Lütfen e-posta adresinizi girin.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Bu e-posta adresi eksik.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Lütfen bir ileti yazın.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>İletiniz kaydedilemedi: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Geri bildiriminiz için teşekkürler.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Geri bildiriminiz gönderilemedi.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Gönderildi.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Raporu Gönder</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Gönderme</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Her Zaman Gönder</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Çökme raporu gönderilemedi.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Paylaş</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Paylaşım</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Panoya Kopyala</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Resmi Kaydet…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Resmi Kaydet</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>Resim %@ olarak kaydedilemedi.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>E-posta hazırlanamadı.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>E-posta programı açılamadı.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Neyi sevdiğinizi, neyin eksik olduğunu veya neyin ters gittiğini bize anlatın.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>İletiniz %@ klasöründe saklanıyor.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>İletiniz %@ içine kaydedildi. Nedeni:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio son çalıştığında beklenmedik biçimde kapandı.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Bununla ilgili bir raporu %@ adresine göndermek ister misiniz? Rapor, program durduğunda ne yaptığını anlatır; yazdığınız hiçbir şeyi içermez.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Olanlarla ilgili bir rapor bu bilgisayarda, %@ klasöründe saklanıyor. Hiçbir yere gönderilmez: raporların gönderileceği bir adres ayarlanmamış.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>%@ içinde kalır ve bir sonraki başlatmada yeniden önerilir. Nedeni:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Cambio ile gelen kurlar fawazahmed0/exchange-api döviz API’sinden alınmıştır (CC0 1.0). Ülke sınırları country-coder’dan alınmıştır (ISC lisansı, bkz. “%@”). Bayraklar Debian’ın iso-flags-svg paketindendir (kamu malı); Bitcoin, Karayip guldeni ve Zimbabve Altını bayrakları Cambio’nun kendisine aittir.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>İletiniz bu bilgisayarda, %@ klasöründe saklanacak. Hiçbir yere gönderilmez: geri bildirimin gönderileceği bir adres ayarlanmamış.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>İletiniz %@ adresine gönderilecek ve bir kopyası bu bilgisayarda saklanacak.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Yapıştırılacak tutar yok.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Bir seferde yalnızca bir tutar yapıştırılabilir.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>“%@” bir tutar değil.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Tutarlar ondalık ayırıcıdan önce en fazla %@ basamak içerir.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>“%@” burada birden fazla para birimini gösteriyor.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>“%@” birden fazla para birimini adlandırıyor.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ gösterilen para birimleri arasında değil.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Yeni raporlarla birlikte %@ içinde kalır ve bir sonraki başlatmada yeniden önerilir. Nedeni:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Henüz gönderilmemiş iletilerle birlikte %@ içinde kalır. Nedeni:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Çökme raporu bir kenara alınamadı.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>%@ klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Kurlar %@ önceye ait</translation>
    </message>
    <message>
        <source>the rates server has no newer rates</source>
        <translation>kur sunucusunda daha yeni kurlar yok</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>%@ tarihli kurlar</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>%@ adresine yönlendirme reddedildi</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>yönlendirme döngüsü</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>HTTPS dışına çıkıyor</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>%@ yönlendirmeden fazla</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>hedefi olmayan HTTP %@</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>yanıtın sıkıştırması bozuk ya da açıldığında her sınırı aşacak</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>TLS el sıkışması başarısız: %@</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>yanıt istenen şey değil</translation>
    </message>
</context>
</TS>
